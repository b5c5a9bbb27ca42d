#pragma once

namespace lumio {

// Ends the event loop as the exit command does when the program gets SIGTERM or SIGINT
// (a session ending, a test's clean-up), so the window, the tray icon and everything
// else are taken down by their destructors instead of the process just vanishing.
// Call once, after the application object exists.
void QuitOnTerminationSignals();

} // namespace lumio
