#pragma once

// The tray menu window: the program's start-up window and its hub. Its load shows the mini
// window, registers the tray icon with the hook in front of its own procedure, and skins its
// standard buttons. Its four buttons each open another window and then unload it; its invisible
// menu opens as the tray icon's pop-up menu.

#include "button/lumbutton.h"
#include "meter/frm_bandwidth.h"
#include "platform/forms/form.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/menu.h"
#include "platform/user/shell_notify_icon.h"
#include "windows/frm_about.h"
#include "windows/frm_notice.h"
#include "windows/frm_right.h"
#include "windows/frm_spend.h"

namespace quellan {

class frmMenu : public win::forms::Form {
public:
    // The windows it leads to.
    struct Targets {
        frmRight& mini;
        frmBandwidth& statistics;
        frmSpend& tariff;
        frmNotice& notice;
        frmAbout& about;
    };

    // Names itself as the window the others come back to.
    explicit frmMenu(Targets targets);
    ~frmMenu() override;

    void frmMenu_Form_Load();
    void frmMenu_Form_Unload();
    void frmMenu_lumbutton1_Click();
    void frmMenu_lumbutton2_Click();
    void frmMenu_lumbutton3_Click();
    void frmMenu_lumbutton4_Click();
    void frmMenu_Image5_Click();
    void frmMenu_cmdMenushow_Click();
    void frmMenu_cmdRightshow_Click();
    void frmMenu_cmdMoreinfo_Click();
    void frmMenu_cmdAutoRun_Click();
    void frmMenu_cmdAbout_Click();
    void frmMenu_cmdEnd_Click();

    // The tray icon's registration, held while the window is loaded.
    win::NOTIFYICONDATA TrayIconData;

    lumbutton lumbutton1{*this, "lumbutton1"};
    lumbutton lumbutton2{*this, "lumbutton2"};
    lumbutton lumbutton3{*this, "lumbutton3"};
    lumbutton lumbutton4{*this, "lumbutton4"};
    win::forms::Image Image2{*this, "Image2"};
    win::forms::Image Image3{*this, "Image3"};
    win::forms::Image Image4{*this, "Image4"};
    win::forms::Image Image5{*this, "Image5"};
    win::forms::Label Label2{*this, "Label2"};
    win::forms::Menu Mnu_Traymenu{*this, "Mnu_Traymenu"};
    win::forms::Menu cmdMenushow{Mnu_Traymenu, "cmdMenushow"};
    win::forms::Menu cmdRightshow{Mnu_Traymenu, "cmdRightshow"};
    win::forms::Menu cmdMoreinfo{Mnu_Traymenu, "cmdMoreinfo"};
    win::forms::Menu cmdAutoRun{Mnu_Traymenu, "cmdAutoRun"};
    win::forms::Menu cmdAbout{Mnu_Traymenu, "cmdAbout"};
    win::forms::Menu cmdEnd{Mnu_Traymenu, "cmdEnd"};

protected:
    void Design() override;
    void Form_Load() override { frmMenu_Form_Load(); }
    void Form_Unload() override { frmMenu_Form_Unload(); }

private:
    void DesignButtons();
    void DesignPictures();
    void DesignMenu();
    // Shows `target`, then unloads this window.
    void HandOverTo(win::forms::Form& target);

    Targets targets_;
};

// The program's one tray menu window, leading to the program's other windows.
frmMenu& FrmMenu();

}  // namespace quellan
