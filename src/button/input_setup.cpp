// Run-time input set-up of a loaded qxbutton and its undoing at termination: the
// hand cursor, the probe for leave notifications, and the message hooks on the
// control's own window and its parent. The input handlers are not built yet, so both
// do nothing; the input layer replaces this file.
#include "button/qxbutton.h"

namespace lumio {

void QxButton::StartInput() {}

void QxButton::StopInput() {}

} // namespace lumio
