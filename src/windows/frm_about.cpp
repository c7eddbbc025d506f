#include "windows/frm_about.h"

#include "windows/lumbutton_design.h"
#include "windows/tray_menu_link.h"
#include "windows/windows_artwork.h"

namespace quellan {

frmAbout::frmAbout() : Form("frmAbout") {
    StoreLumbuttonDesign(*this, "lumbutton1",
                         {.buttonStyle = StyleSoftGloss,
                          .backColor = 0x00FFD1AD,
                          .caption = "确 定",
                          .fontName = "Tahoma",
                          .fontSize = 8.25});
    lumbutton1.Click = [this] { frmAbout_lumbutton1_Click(); };
}

void frmAbout::Design() {
    SetCaption("关于");
    SetBorderStyle(win::forms::FormBorderStyle::None);
    SetShowInTaskbar(false);
    SetStartUpPosition(win::forms::StartUpPosition::CenterScreen);
    SetClientSize(4470, 2025);
    SetPicture(FrmAboutBackground());
    lumbutton1.Move(3360, 1560, 975, 375);
}

void frmAbout::frmAbout_lumbutton1_Click() {
    ShowTrayMenuWindow();
    Unload();
}

frmAbout& FrmAbout() {
    static frmAbout window;
    return window;
}

}  // namespace quellan
