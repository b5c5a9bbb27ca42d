#pragma once

#include "button/qxbutton.h"

#include <functional>
#include <string>

namespace lumio {

// Subscribes to every event of `events` and hands each one, as it is raised, to `sink` as
// text: its name and the arguments as passed, "Click", "MouseDown(1,0,5,5)",
// "KeyDown(32,0)". Coordinates print in ShortestFloat's form. Replaces any callbacks set.
void DescribeEvents(QxButtonEvents& events, std::function<void(std::string)> sink);

// The shortest text that reads back as the same float: 5, 2.5, 0.001, 1e+20.
std::string ShortestFloat(float value);

} // namespace lumio
