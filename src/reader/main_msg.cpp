#include "reader/main_msg.h"

#include "reader/document_loader.h"
#include "reader/no_reading_places.h"
#include "reader/reader_texts.h"
#include "reader/reading_rules.h"

#include <algorithm>

namespace lumio {

MainMsg::MainMsg(const MainMsgControls& controls)
    : controls_(controls), places_(controls.places ? *controls.places : NoReadingPlaces()) {}

void MainMsg::OpenTxt(std::u16string_view path) {
    if (!IsTxtPath(path)) {
        controls_.messageBox.Show(kRefusalText, kMsgBoxInformation, kMessageTitle);
        return;
    }
    places_.Leave(readPos_);
    readPos_ = 0;
    txt1_.clear();
    std::u16string().swap(txt2_); // give the old document's memory back before reading
    chapters_.clear();
    controls_.rtxt1.SetText(u"");

    LoadedDocument loaded = LoadDocument(controls_.files, path, controls_.busyCursor, encoding_);
    if (loaded.error) {
        // Reading stays as it was (typically paused on the empty document); the user
        // is told which file failed and why.
        controls_.messageBox.Show(LoadErrorText(path, loaded.error), kMsgBoxExclamation,
                                  kMessageTitle);
        return;
    }
    txt2_ = std::move(loaded.text);
    chapters_ = std::move(loaded.chapters);
    mstart_Click();
    controls_.trm1.SetEnabled(true);
    readPos_ = places_.Resume(path, txt2_.size());
}

void MainMsg::loadtxt_Click() {
    controls_.dlg1.SetFilter(kTxtFilter);
    // The document stays until a new one is actually read: cancelling the dialog, or
    // picking a file that is refused, must not throw away what the user is reading.
    if (!controls_.dlg1.ShowOpen()) {
        return;
    }
    OpenTxt(controls_.dlg1.FileName());
}

void MainMsg::Form_OLEDragDrop(const DropData& data) {
    OpenFirstDroppedFile(data);
}

void MainMsg::rtxt1_OLEDragDrop(const DropData& data) {
    OpenFirstDroppedFile(data);
}

void MainMsg::OpenFirstDroppedFile(const DropData& data) {
    if (!data.HasFileList()) {
        return;
    }
    const std::vector<std::u16string> files = data.Files();
    if (!files.empty()) {
        OpenTxt(files.front());
    }
}

void MainMsg::trm1_Timer() {
    const TickCut cut = CutForTick(txt2_.size(), readPos_);
    tailStart_ = cut.tailStart;
    tailLength_ = cut.tailLength;
    txt1_.assign(txt2_, cut.tailStart, cut.viewLength);
    readPos_ = cut.nextReadPos;

    Viewer& viewer = controls_.rtxt1;
    viewer.SetText(txt1_);
    if (txt1_.size() > static_cast<std::size_t>(kMarkLength)) {
        viewer.SetSelStart(MarkStartFor(txt1_.size(), readPos_));
        viewer.SetSelLength(kMarkLength);
    }
    viewer.SetSelColor(kMarkColor);
    if (txt1_.empty()) {
        mzant_Click();
    }
    places_.Ticked(readPos_);
}

void MainMsg::mstart_Click() {
    txt1_.clear();
    controls_.trm1.SetEnabled(!controls_.trm1.Enabled());
    if (!controls_.trm1.Enabled()) {
        places_.Keep(readPos_);
    }
}

void MainMsg::mzant_Click() {
    controls_.trm1.SetEnabled(false);
    places_.Keep(readPos_);
}

void MainMsg::mstop_Click() {
    controls_.trm1.SetEnabled(false);
    controls_.rtxt1.SetText(u"");
    places_.Keep(readPos_);
}

void MainMsg::Slider1_Click() {
    controls_.trm1.SetEnabled(false);
    controls_.trm1.SetInterval(SpeedInterval(controls_.Slider1.Value()));
    controls_.trm1.SetEnabled(true);
}

void MainMsg::Slider1_Scroll() {
    Slider1_Click();
}

void MainMsg::Slider2_Click() {
    controls_.trm1.SetEnabled(false);
    readPos_ = StartPoint(txt2_.size(), controls_.Slider2.Value());
    controls_.trm1.SetEnabled(true);
}

void MainMsg::Slider2_Scroll() {
    Slider2_Click();
}

std::u16string_view MainMsg::TailText() const {
    const std::u16string_view document = txt2_;
    const std::size_t start = std::min(tailStart_, document.size());
    return document.substr(start, tailLength_);
}

} // namespace lumio
