#pragma once

#include "platform/file_source.h"
#include "platform/text_encoding.h"
#include "reader/chapter_finder.h"
#include "reader/controls.h"
#include "reader/reading_places.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lumio {

// The controls and services the reader window works with. The window does not own
// them; they outlive it.
struct MainMsgControls {
    Viewer& rtxt1;
    Timer& trm1;
    Slider& Slider1;
    Slider& Slider2;
    OpenDialog& dlg1;
    MessageBox& messageBox;
    FileSource& files;
    BusyCursor* busyCursor = nullptr; // shown during long loads, where there is one
    ReadingPlaces* places = nullptr;  // remembers where each document stopped, if anything
};

// The reader window without its toolkit: its state and the handlers of its controls'
// events. A host turns the toolkit's events into calls of the handlers below.
class MainMsg {
public:
    explicit MainMsg(const MainMsgControls& controls);

    // Document loading ---------------------------------------------------------------

    // Checks the path, reads the file into the document text, resets the reading
    // position and starts reading. A refused path or a file that cannot be read is
    // reported in a message box.
    void OpenTxt(std::u16string_view path);
    // The open command: the file dialog, then OpenTxt. Cancel changes nothing.
    void loadtxt_Click();
    // A drop on the window or on the viewer: the first dropped file, if any.
    void Form_OLEDragDrop(const DropData& data);
    void rtxt1_OLEDragDrop(const DropData& data);
    // How documents are read from now on (Auto: each found from its bytes).
    void SetEncoding(TextEncoding encoding) { encoding_ = encoding; }

    // Timed reading ------------------------------------------------------------------

    void trm1_Timer();
    void mstart_Click(); // start/pause toggle
    void mzant_Click();  // pause
    void mstop_Click();  // stop
    void Slider1_Click();
    void Slider1_Scroll();
    void Slider2_Click();
    void Slider2_Scroll();

    // State --------------------------------------------------------------------------

    std::int32_t ReadPos() const { return readPos_; }
    // Keeps the reading place now (a hide, the end of the program or of the session).
    void KeepPlace() { places_.Keep(readPos_); }
    // Puts the reading position anywhere, as the start-point slider does.
    void SetReadPos(std::int32_t position) { readPos_ = position; }
    // The slice of the document the last tick cut its view from.
    std::u16string_view TailText() const;
    const std::u16string& txt1() const { return txt1_; } // view text of the last tick
    const std::u16string& txt2() const { return txt2_; } // document text
    // The chapter headings the load found in the document text.
    const std::vector<Chapter>& chapters() const { return chapters_; }

private:
    void OpenFirstDroppedFile(const DropData& data);

    MainMsgControls controls_;
    ReadingPlaces& places_;
    std::int32_t readPos_ = 0;
    std::size_t tailStart_ = 0;
    std::size_t tailLength_ = 0;
    std::u16string txt1_;
    std::u16string txt2_;
    std::vector<Chapter> chapters_;
    TextEncoding encoding_ = TextEncoding::Auto;
};

} // namespace lumio
