#include "windows/frm_notice.h"

#include "windows/lumbutton_design.h"
#include "windows/page_address.h"
#include "windows/tray_menu_link.h"

namespace quellan {

frmNotice::frmNotice() : Form("frmNotice") {
    StoreLumbuttonDesign(*this, "lumbutton1",
                         {.buttonStyle = StyleSystemTheme,
                          .backColor = std::nullopt,
                          .caption = "返回主菜单",
                          .fontName = "Tahoma",
                          .fontSize = 8.25});
    lumbutton1.Click = [this] { frmNotice_lumbutton1_Click(); };
}

void frmNotice::Design() {
    SetCaption("Form1");
    SetBorderStyle(win::forms::FormBorderStyle::FixedSingle);
    SetMinButton(false);
    SetMaxButton(false);
    SetBackColor(0x00FFFFFF);
    SetShowInTaskbar(true);
    SetStartUpPosition(win::forms::StartUpPosition::WindowsDefault);
    SetClientSize(8535, 5355);
    WebBrowser1.Move(0, 0, 8520, 4935);
    lumbutton1.Move(7455, 4935, 1065, 330);
}

void frmNotice::frmNotice_Form_Load() {
    // The program's own page, beside the program; nothing else is done with it.
    WebBrowser1.Navigate(ShippedPageAddress(kNoticePage));
}

void frmNotice::frmNotice_lumbutton1_Click() {
    ShowTrayMenuWindow();
    Unload();
}

frmNotice& FrmNotice() {
    static frmNotice window;
    return window;
}

}  // namespace quellan
