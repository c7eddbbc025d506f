#pragma once

// What a user control learns from the form it sits on: whether the program runs (UserMode) or
// the form is being designed, the name the form knows it by, the form's font and back colour,
// and whether it is the form's default button. The form reports a change of any of these to
// its controls by name ("UserMode", "Font", "BackColor", "DisplayAsDefault").

#include <string>

#include "platform/forms/std_font.h"
#include "platform/gdi/sys_color.h"

namespace win::forms {

class Control;

class AmbientProperties {
public:
    explicit AmbientProperties(const Control& control) : control_(control) {}

    bool UserMode() const;
    std::string DisplayName() const;
    // A copy of the form's font: the control may keep it and change it without changing the
    // form's.
    FontRef Font() const;
    OLE_COLOR BackColor() const;
    bool DisplayAsDefault() const;

private:
    const Control& control_;
};

}  // namespace win::forms
