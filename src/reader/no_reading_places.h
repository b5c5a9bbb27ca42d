#pragma once

#include "reader/reading_places.h"

namespace lumio {

// No memory at all: every document starts at its start and nothing is kept.
ReadingPlaces& NoReadingPlaces();

} // namespace lumio
