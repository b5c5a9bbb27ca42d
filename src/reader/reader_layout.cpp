#include "reader/reader_layout.h"

#include <algorithm>

namespace lumio {

namespace {

std::u16string Name(const std::string& name) {
    return {name.begin(), name.end()};
}

// The form's default font for the window and the viewer when it names none.
const FontAttributes kFormFont{u"微软雅黑", 9, kFontWeightRegular, 134};
const FontAttributes kViewerFont{u"微软雅黑", 21.75, kFontWeightRegular, 134};

std::optional<ReaderControlKind> KindOf(std::string_view kind) {
    if (kind == "qxbutton") {
        return ReaderControlKind::Button;
    }
    if (kind == "Slider") {
        return ReaderControlKind::Slider;
    }
    if (kind == "RichTextBox") {
        return ReaderControlKind::Viewer;
    }
    return std::nullopt;
}

ReaderControl Place(const FormControl& c, ReaderControlKind kind, DisplayScale scale) {
    ReaderControl out;
    out.kind = kind;
    out.name = Name(c.name);
    // Place and size each rounded on its own, as a control's host sizes it from its
    // twips: a button's surface is exactly its window.
    out.geometry = {scale.Pixels(c.Left()), scale.Pixels(c.Top()), 0, 0};
    out.geometry.right = out.geometry.left + scale.Pixels(c.Width());
    out.geometry.bottom = out.geometry.top + scale.Pixels(c.Height());
    out.leftTwips = static_cast<float>(c.Left());
    out.topTwips = static_cast<float>(c.Top());
    out.widthTwips = static_cast<float>(c.Width());
    out.heightTwips = static_cast<float>(c.Height());
    out.tabIndex = c.TabIndex();
    out.toolTip = c.ToolTipText();
    out.visible = c.Visible();
    out.min = c.settings.ReadInt32("Min", 0);
    out.max = c.settings.ReadInt32("Max", 10);
    out.value = c.settings.ReadInt32("Value", 0);
    out.font = c.settings.ReadFont("Font", kViewerFont);
    out.properties = c.properties ? *c.properties : PropertyBag(c.name);
    return out;
}

} // namespace

const ReaderControl* ReaderLayout::Find(std::u16string_view name) const {
    for (const ReaderControl& c : controls) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

ReaderLayout LayoutReaderWindow(const Form& form, DisplayScale scale) {
    ReaderLayout layout;
    layout.scale = scale;
    layout.title = form.settings.ReadString("Caption", u"");
    layout.clientWidth = scale.Pixels(form.settings.ReadInt32("ClientWidth", 9750));
    layout.clientHeight = scale.Pixels(form.settings.ReadInt32("ClientHeight", 2085));
    layout.ambientFont = form.settings.ReadFont("Font", kFormFont);
    layout.backColor = static_cast<OleColor>(form.settings.ReadColor("BackColor", 0xFFFFFFu));
    for (const FormControl& c : form.controls) {
        if (c.kind == "Timer") {
            layout.timerInterval = c.settings.ReadInt32("Interval", 0);
            layout.timerEnabled = c.settings.ReadBoolean("Enabled", true);
        } else if (const auto kind = KindOf(c.kind)) {
            layout.controls.push_back(Place(c, *kind, scale));
        }
    }
    std::vector<const ReaderControl*> focusable;
    for (const ReaderControl& c : layout.controls) {
        if (c.kind != ReaderControlKind::Viewer) {
            focusable.push_back(&c);
        }
    }
    std::stable_sort(
        focusable.begin(), focusable.end(),
        [](const ReaderControl* a, const ReaderControl* b) { return a->tabIndex < b->tabIndex; });
    for (const ReaderControl* c : focusable) {
        layout.tabOrder.push_back(c->name);
    }
    return layout;
}

const std::vector<ButtonCommand>& ReaderButtonCommands() {
    static const std::vector<ButtonCommand> commands = {
        {u"mstart", [](MainMsg& r, MainMsgWindow&) { r.mstart_Click(); }},
        {u"mzant", [](MainMsg& r, MainMsgWindow&) { r.mzant_Click(); }},
        {u"mstop", [](MainMsg& r, MainMsgWindow&) { r.mstop_Click(); }},
        {u"loadtxt", [](MainMsg& r, MainMsgWindow&) { r.loadtxt_Click(); }},
        {kPinButtonName, [](MainMsg&, MainMsgWindow& w) { w.cmd_top_Click(); }},
        {u"cmd_tolva", [](MainMsg&, MainMsgWindow& w) { w.cmd_tolva_Click(); }},
        {u"cmd_exit", [](MainMsg&, MainMsgWindow& w) { w.cmd_exit_Click(); }},
    };
    return commands;
}

} // namespace lumio
