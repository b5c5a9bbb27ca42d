#pragma once

#include "reader/window_services.h"

#include <QUrl>
#include <functional>

namespace lumio {

// The shell over the desktop's URL handlers: "open" hands the address to the user's
// browser (or whatever opens that kind of address).
class QtShell : public Shell {
public:
    void ShellExecute(WindowHandle owner, std::u16string_view operation, std::u16string_view file,
                      std::u16string_view parameters, std::u16string_view directory,
                      std::int32_t showCommand) override;

    // Tests see the address instead of a browser starting.
    std::function<void(const QUrl&)> replacement;
};

} // namespace lumio
