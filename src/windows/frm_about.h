#pragma once

// The about window: one picture that carries all its text, and one button back to the tray menu
// window.

#include "button/lumbutton.h"
#include "platform/forms/form.h"

namespace quellan {

class frmAbout : public win::forms::Form {
public:
    frmAbout();

    void frmAbout_lumbutton1_Click();

    lumbutton lumbutton1{*this, "lumbutton1"};

protected:
    void Design() override;
};

frmAbout& FrmAbout();

}  // namespace quellan
