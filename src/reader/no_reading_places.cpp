#include "reader/no_reading_places.h"

namespace lumio {

namespace {

class NoPlaces final : public ReadingPlaces {
public:
    void Leave(std::int32_t) override {}
    std::int32_t Resume(std::u16string_view, std::size_t) override { return 0; }
    void Keep(std::int32_t) override {}
    void Ticked(std::int32_t) override {}
    bool Enabled() const override { return false; }
    void SetEnabled(bool) override {}
};

} // namespace

ReadingPlaces& NoReadingPlaces() {
    static NoPlaces none;
    return none;
}

} // namespace lumio
