#pragma once

#include "button/property_bag.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// One control of a form: its kind and name, the settings its container keeps for it
// (position in twips, tab index, tool tip, visibility, ...), and for a control with a
// persisted property set of its own (a qxbutton) that set, exactly as the control
// reads and writes it.
struct FormControl {
    std::string kind;
    std::string name;
    int line = 0; // where its Begin line is
    PropertyBag settings;
    std::optional<PropertyBag> properties;

    std::int32_t Left() const { return settings.ReadInt32("Left", 0); }
    std::int32_t Top() const { return settings.ReadInt32("Top", 0); }
    std::int32_t Width() const { return settings.ReadInt32("Width", 0); }
    std::int32_t Height() const { return settings.ReadInt32("Height", 0); }
    std::int32_t TabIndex() const { return settings.ReadInt32("TabIndex", 0); }
    std::u16string ToolTipText() const { return settings.ReadString("ToolTipText", u""); }
    bool Visible() const { return settings.ReadBoolean("Visible", true); }
};

// A window's design-time settings as one readable file:
//
//   Begin Form MainMsg
//       Caption = "Lumio V3"
//       Begin qxbutton mstart
//           Left = 80
//           ...
//           Begin Properties
//               ButtonStyle = 6
//           End
//       End
//   End
//
// Values use the persisted-set syntax. Lines starting with `#` are comments.
struct Form {
    std::string kind;
    std::string name;
    PropertyBag settings;
    std::vector<FormControl> controls;

    const FormControl* Find(std::string_view controlName) const;
};

// Reads a form; any problem raises PropertySetError naming the control, the key (or
// the Begin/End keyword) and the line.
Form ParseForm(std::string_view text);

} // namespace lumio
