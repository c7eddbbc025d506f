#pragma once

// The notice window: the program's notice page in an embedded web view, loaded at every load of
// the window, and one button back to the tray menu window.

#include "button/lumbutton.h"
#include "platform/forms/form.h"
#include "platform/forms/web_browser.h"

namespace quellan {

class frmNotice : public win::forms::Form {
public:
    frmNotice();

    void frmNotice_Form_Load();
    void frmNotice_lumbutton1_Click();

    win::forms::WebBrowser WebBrowser1{*this, "WebBrowser1"};
    lumbutton lumbutton1{*this, "lumbutton1"};

protected:
    void Design() override;
    void Form_Load() override { frmNotice_Form_Load(); }
};

frmNotice& FrmNotice();

}  // namespace quellan
