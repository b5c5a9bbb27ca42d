// Any property set that loads saves and loads back equal: the set's own text form,
// and a qxbutton that reads the set, writes it, and reads that again.

#include "button/offscreen_host.h"
#include "button/property_bag.h"
#include "button/qxbutton.h"
#include "platform/bitmap_font.h"
#include "property_set_input.h"

#include <cstddef>
#include <cstdint>

using namespace lumio;

namespace {

bool SameEntries(const PropertyBag& a, const PropertyBag& b) {
    if (a.entries().size() != b.entries().size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.entries().size(); ++i) {
        if (a.entries()[i].key != b.entries()[i].key ||
            a.entries()[i].value != b.entries()[i].value) {
            return false;
        }
    }
    return true;
}

// Loads `bag` into a new button and returns what the button saves; throws what the
// load throws.
std::string LoadAndSave(const PropertyBag& bag) {
    static const BitmapFontPainter text;
    OffscreenHost host(1125, 345, text);
    host.userMode = false;
    QxButton button(host);
    host.Attach(&button);
    button.Initialize();
    button.ReadProperties(bag);
    PropertyBag saved("fuzz");
    button.WriteProperties(saved);
    return saved.Serialize();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<PropertyBag> loaded = PropertySetInput(data, size);
    if (!loaded) {
        return 0;
    }
    const PropertyBag& bag = *loaded;
    const std::string serialized = bag.Serialize();
    const PropertyBag again = PropertyBag::Parse(serialized, "fuzz");
    if (!SameEntries(bag, again) || again.Serialize() != serialized) {
        __builtin_trap();
    }

    std::string first;
    try {
        first = LoadAndSave(bag);
    } catch (const RuntimeError&) {
        return 0; // PropertySetError included: the set is refused with its reason
    }
    if (LoadAndSave(PropertyBag::Parse(first, "fuzz")) != first) {
        __builtin_trap();
    }
    return 0;
}
