#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// The controls the reader window drives, as small interfaces: the desktop program
// implements them with real widgets, lumio-tty with a terminal, the tests with fakes
// that record every call.

// The one-line rich-text viewer `rtxt1`.
class Viewer {
public:
    virtual ~Viewer() = default;
    // Replaces the whole content with plain text in the viewer's normal colour; the
    // selection becomes empty at the start.
    virtual void SetText(std::u16string_view text) = 0;
    virtual void SetSelStart(std::int32_t start) = 0;
    virtual void SetSelLength(std::int32_t length) = 0;
    // Colours the selected characters (0x00BBGGRR); the viewer keeps the selection in
    // view.
    virtual void SetSelColor(std::uint32_t color) = 0;
};

// The reading timer `trm1`. Switching it on (re)starts its interval.
class Timer {
public:
    virtual ~Timer() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetInterval(std::int32_t milliseconds) = 0;
};

// A horizontal slider (`Slider1`, `Slider2`), values 0 to 10.
class Slider {
public:
    virtual ~Slider() = default;
    virtual std::int32_t Value() const = 0;
};

inline constexpr int kMsgBoxExclamation = 48;
inline constexpr int kMsgBoxInformation = 64;

// The modal message box (OK button only in every use here).
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void Show(std::u16string_view prompt, int style, std::u16string_view title) = 0;
};

// The file-open dialog `dlg1`. It keeps its file name from one use to the next.
class OpenDialog {
public:
    virtual ~OpenDialog() = default;
    // Filter in the form "description|pattern".
    virtual void SetFilter(std::u16string_view filter) = 0;
    // Shows the dialog; false when the user cancelled it.
    virtual bool ShowOpen() = 0;
    virtual std::u16string FileName() const = 0;
};

// The busy cursor over the program's windows. A load runs on the one thread, so while
// a long one runs the window cannot answer: the cursor tells the user it is working.
class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0; // back to the cursor shown before
};

// What a drag-and-drop delivers to the window or the viewer.
class DropData {
public:
    virtual ~DropData() = default;
    // Whether the data offers a list of files (clipboard format 15).
    virtual bool HasFileList() const = 0;
    virtual std::vector<std::u16string> Files() const = 0;
};

} // namespace lumio
