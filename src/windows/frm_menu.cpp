#include "windows/frm_menu.h"

#include "platform/forms/services.h"
#include "platform/forms/std_font.h"
#include "shell/auto_run.h"
#include "shell/module1.h"
#include "skin/m_skin_button.h"
#include "windows/frm_menu_artwork.h"
#include "windows/lumbutton_design.h"
#include "windows/page_address.h"
#include "windows/tray_menu_link.h"

namespace quellan {
namespace {

constexpr win::OLE_COLOR kButtonBlue = 0x00FFD1AD;
constexpr win::OLE_COLOR kWhite = 0x00FFFFFF;

void StoreMenuButton(win::forms::Form& form, const char* name, const char* caption) {
    StoreLumbuttonDesign(form, name,
                         {.buttonStyle = StyleOrangeGloss,
                          .backColor = kButtonBlue,
                          .caption = caption,
                          .fontName = "Tahoma",
                          .fontSize = 8.25});
}

void DesignPicture(win::forms::Image& image, const win::forms::PictureRef& picture, int left,
                   int top, int width, int height) {
    image.SetPicture(picture);
    image.Move(left, top, width, height);
}

}  // namespace

frmMenu::frmMenu(Targets targets) : Form("frmMenu"), targets_(targets) {
    StoreMenuButton(*this, "lumbutton1", "查看详细信息");
    StoreMenuButton(*this, "lumbutton2", "打开右侧窗口信息");
    StoreMenuButton(*this, "lumbutton3", "资费计算器");
    StoreMenuButton(*this, "lumbutton4", "查看公告信息");
    lumbutton1.Click = [this] { frmMenu_lumbutton1_Click(); };
    lumbutton2.Click = [this] { frmMenu_lumbutton2_Click(); };
    lumbutton3.Click = [this] { frmMenu_lumbutton3_Click(); };
    lumbutton4.Click = [this] { frmMenu_lumbutton4_Click(); };
    Image5.Click = [this] { frmMenu_Image5_Click(); };
    cmdMenushow.Click = [this] { frmMenu_cmdMenushow_Click(); };
    cmdRightshow.Click = [this] { frmMenu_cmdRightshow_Click(); };
    cmdMoreinfo.Click = [this] { frmMenu_cmdMoreinfo_Click(); };
    cmdAutoRun.Click = [this] { frmMenu_cmdAutoRun_Click(); };
    cmdAbout.Click = [this] { frmMenu_cmdAbout_Click(); };
    cmdEnd.Click = [this] { frmMenu_cmdEnd_Click(); };
    targets_.mini.ShowMenuWindow = [this] { Show(); };
    SetTrayMenuWindow(this);
}

frmMenu::~frmMenu() {
    SetTrayMenuWindow(nullptr);
    targets_.mini.ShowMenuWindow = nullptr;
    Module1::Instance().Forget(*this);
}

void frmMenu::Design() {
    SetCaption("Quellan");
    SetBorderStyle(win::forms::FormBorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetStartUpPosition(win::forms::StartUpPosition::CenterScreen);
    SetClientSize(5190, 4950);
    SetPicture(FrmMenuBackground());
    SetIcon(FrmMenuIcon());
    DesignButtons();
    DesignPictures();
    DesignMenu();
}

void frmMenu::DesignButtons() {
    lumbutton1.Move(240, 1440, 1575, 375);
    lumbutton2.Move(3360, 1440, 1575, 375);
    lumbutton3.Move(1680, 3000, 1815, 375);
    lumbutton4.Move(3600, 70, 1455, 375);
}

void frmMenu::DesignPictures() {
    DesignPicture(Image2, FrmMenuStatistics(), 600, 600, 750, 750);
    DesignPicture(Image3, FrmMenuCorner(), 3840, 600, 750, 750);
    DesignPicture(Image4, FrmMenuTariff(), 2210, 2160, 750, 750);
    DesignPicture(Image5, FrmMenuBanner(), 1080, 3480, 3000, 1200);
    Label2.SetCaption("Quellan 开发者 · 看清每一字节的去向");
    Label2.SetBackStyle(win::forms::BackStyle::Transparent);
    Label2.SetForeColor(kWhite);
    Label2.SetAlignment(win::forms::Alignment::Center);
    Label2.SetFont(win::forms::StdFont::Create("SimSun", 9));
    Label2.Move(0, 4720, 5295, 255);
}

void frmMenu::DesignMenu() {
    Mnu_Traymenu.SetCaption("托盘菜单");
    Mnu_Traymenu.SetVisible(false);
    cmdMenushow.SetCaption("显示目录");
    cmdRightshow.SetCaption("小窗口显示");
    cmdMoreinfo.SetCaption("查看详细信息");
    cmdAutoRun.SetCaption("跟随Windows自启动");
    cmdAbout.SetCaption("关于");
    cmdEnd.SetCaption("退出");
}

void frmMenu::frmMenu_Form_Load() {
    targets_.mini.Show();
    Module1::Instance().RegisterTrayIcon(*this, Mnu_Traymenu, TrayIconData);
    MSkinButton::Instance().SkinWindow(hWnd());
}

void frmMenu::frmMenu_Form_Unload() {
    // The icon stays; until the window loads again a right click on it loads it first.
    Module1::Instance().TrayWindowUnloading();
    TrayIconData = {};
}

void frmMenu::HandOverTo(win::forms::Form& target) {
    target.Show();
    Unload();
}

void frmMenu::frmMenu_lumbutton1_Click() {
    HandOverTo(targets_.statistics);
}

void frmMenu::frmMenu_lumbutton2_Click() {
    HandOverTo(targets_.mini);
}

void frmMenu::frmMenu_lumbutton3_Click() {
    HandOverTo(targets_.tariff);
}

void frmMenu::frmMenu_lumbutton4_Click() {
    HandOverTo(targets_.notice);
}

void frmMenu::frmMenu_Image5_Click() {
    // A page that was not shipped opens nothing; a desktop without an opener shows nothing.
    if (const auto page = win::files::FindShippedData(kHomePage)) {
        win::forms::OpenUrl(FileAddress(*page));
    }
}

void frmMenu::frmMenu_cmdMenushow_Click() {
    Show();
}

void frmMenu::frmMenu_cmdRightshow_Click() {
    targets_.mini.Show();
}

void frmMenu::frmMenu_cmdMoreinfo_Click() {
    targets_.statistics.Show();
}

void frmMenu::frmMenu_cmdAutoRun_Click() {
    shell::RegisterAutoRun();
}

void frmMenu::frmMenu_cmdAbout_Click() {
    HandOverTo(targets_.about);
}

void frmMenu::frmMenu_cmdEnd_Click() {
    // As the mini window's "X": this run's traffic is saved first, and a failed save is told
    // and keeps the program running.
    targets_.mini.frmRight_Command2_Click();
}

frmMenu& FrmMenu() {
    static frmMenu window({FrmRight(), FrmBandwidth(), FrmSpend(), FrmNotice(), FrmAbout()});
    return window;
}

}  // namespace quellan
