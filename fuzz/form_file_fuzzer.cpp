// The form file reader: any text either gives a form or raises PropertySetError; a
// form's controls answer their container settings or raise PropertySetError.

#include "reader/form_file.h"

#include <cstddef>
#include <cstdint>

using namespace lumio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Form form;
    try {
        form = ParseForm(text);
    } catch (const PropertySetError&) {
        return 0;
    }
    for (const FormControl& c : form.controls) {
        if (form.Find(c.name) == nullptr) {
            __builtin_trap();
        }
        try {
            (void)c.Left();
            (void)c.Top();
            (void)c.Width();
            (void)c.Height();
            (void)c.TabIndex();
            (void)c.ToolTipText();
            (void)c.Visible();
        } catch (const PropertySetError&) {
        }
    }
    return 0;
}
