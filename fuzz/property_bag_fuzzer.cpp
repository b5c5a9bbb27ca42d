// The persisted property set reader: any text either loads or raises PropertySetError,
// and every typed read of every key either answers or raises PropertySetError.

#include "button/property_bag.h"
#include "property_set_input.h"

#include <cstddef>
#include <cstdint>

using namespace lumio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<PropertyBag> loaded = PropertySetInput(data, size);
    if (!loaded) {
        return 0;
    }
    const PropertyBag& bag = *loaded;
    const auto attempt = [](auto&& read) {
        try {
            read();
        } catch (const PropertySetError&) {
        }
    };
    for (const PropertyBag::Entry& e : bag.entries()) {
        if (bag.Find(e.key) == nullptr) {
            __builtin_trap(); // a loaded key must be found again
        }
        attempt([&] { bag.ReadBoolean(e.key, false); });
        attempt([&] { bag.ReadInt32(e.key, 0); });
        attempt([&] { bag.ReadInt16(e.key, 0); });
        attempt([&] { bag.ReadColor(e.key, 0); });
        attempt([&] { bag.ReadString(e.key, u""); });
        attempt([&] { bag.ReadFont(e.key, FontAttributes{}); });
        attempt([&] { bag.ReadPicture(e.key); });
    }
    return 0;
}
