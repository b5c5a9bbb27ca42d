#include "platform/text_painter.h"

namespace lumio {

PrefixedText ProcessPrefixes(std::u16string_view caption) {
    PrefixedText out;
    out.text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            out.text += caption[i];
            continue;
        }
        if (i + 1 == caption.size()) {
            break; // a trailing marker prefixes nothing
        }
        ++i;
        if (caption[i] != u'&') {
            out.underlined.push_back(out.text.size());
        }
        out.text += caption[i];
    }
    return out;
}

} // namespace lumio
