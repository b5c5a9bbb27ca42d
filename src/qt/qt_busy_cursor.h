#pragma once

#include "reader/controls.h"

namespace lumio {

// The busy cursor as the application's override cursor, over every window of the
// program; the display gets it at once, before the long work blocks the event loop.
class QtBusyCursor : public BusyCursor {
public:
    void Show() override;
    void Hide() override;
};

} // namespace lumio
