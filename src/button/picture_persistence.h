#pragma once

#include "button/property_value.h"
#include "button/render/button_model.h"

#include <optional>
#include <string>

namespace lumio {

// Turns picture references of a persisted set into pictures. Decoding image files is
// the desktop layer's business; it remembers which picture came from which file so
// that saving writes the reference back instead of the pixels.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Raises RuntimeError (FileNotFound, ...) when the file cannot be turned into a
    // picture.
    virtual PictureRef Load(const std::string& path) = 0;
    // The reference a picture was loaded from, if it was.
    virtual std::optional<std::string> ReferenceOf(const Picture& picture) const = 0;
};

// A persisted picture value as a picture object (nothing for nothing). File references
// need a loader; without one they raise RuntimeError.
PictureRef PictureFromValue(const PictureValue& value, PictureLoader* loader);

// The persisted value of a picture: its file reference when the loader knows one,
// otherwise the pixels themselves.
PictureValue ValueFromPicture(const PictureRef& picture, const PictureLoader* loader);

} // namespace lumio
