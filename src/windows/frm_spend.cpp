#include "windows/frm_spend.h"

#include <string>
#include <utility>

#include "meter/leading_number.h"
#include "meter/number_to_text.h"
#include "platform/forms/application.h"
#include "platform/forms/std_font.h"
#include "windows/lumbutton_design.h"
#include "windows/windows_artwork.h"

namespace quellan {
namespace {

using win::forms::BackStyle;

constexpr double kPerUnit = 1024;  // kilobytes in a megabyte, megabytes in a gigabyte
constexpr win::OLE_COLOR kWhite = 0x00FFFFFF;
constexpr win::OLE_COLOR kButtonBlue = 0x00FFD1AD;

void DesignLabel(win::forms::Label& label, std::string caption, int left, int top, int width,
                 int height) {
    label.SetCaption(std::move(caption));
    label.SetBackStyle(BackStyle::Transparent);
    label.Move(left, top, width, height);
}

void DesignBox(win::forms::TextBox& box, int left, int top, int width, int height) {
    box.SetText("");
    box.Move(left, top, width, height);
}

double ValueOf(const win::forms::TextBox& box) {
    return LeadingNumber(box.Text());
}

}  // namespace

frmSpend::frmSpend(std::filesystem::path totalsFile)
    : Form("frmSpend"), totalsFile_(std::move(totalsFile)) {
    StoreLumbuttonDesign(*this, "lumbutton1",
                         {.buttonStyle = StyleOrangeGloss,
                          .backColor = kButtonBlue,
                          .caption = "计  算",
                          .fontName = "Tahoma",
                          .fontSize = 8.25});
    lumbutton1.Click = [this] { frmSpend_lumbutton1_Click(); };
    Command1.Click = [this] { frmSpend_Command1_Click(); };
    Command2.Click = [this] { frmSpend_Command2_Click(); };
    // Command3 ("口") has no handler.
}

void frmSpend::Design() {
    SetCaption("资费查询");
    SetBorderStyle(win::forms::FormBorderStyle::None);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetStartUpPosition(win::forms::StartUpPosition::CenterScreen);
    SetClientSize(4365, 5265);
    SetPicture(FrmSpendBackground());
    DesignTitleBar();
    DesignFigures();
}

void frmSpend::DesignTitleBar() {
    Image1.SetPicture(FrmSpendIcon());
    Image1.Move(0, 30, 480, 480);
    DesignLabel(Label1, "Quellan资费查询", 480, 120, 2535, 375);
    Label1.SetForeColor(kWhite);
    Label1.SetFont(win::forms::StdFont::Create("SimSun", 12));
    Command1.SetCaption("_");
    Command1.Move(3480, 120, 255, 255);
    Command3.SetCaption("口");
    Command3.Move(3720, 120, 255, 255);
    Command2.SetCaption("X");
    Command2.Move(3960, 120, 255, 255);
}

void frmSpend::DesignFigures() {
    DesignLabel(Label2, "请输入限定的月上网流量(单位:GB)", 120, 600, 4455, 255);
    DesignBox(Text1, 120, 840, 4095, 270);
    DesignLabel(Label3, "超流量部分计费(单位:XX元/MB)", 120, 1200, 5775, 255);
    DesignBox(Text2, 120, 1440, 4095, 270);
    DesignLabel(Label4, "基本网络使用费用", 120, 1800, 2895, 255);
    DesignBox(Text3, 120, 2040, 4095, 270);
    DesignLabel(Label5, "开启监控以来您使用的带宽流量累计(单位:KB)", 120, 2400, 4095, 255);
    DesignBox(Text4, 120, 2640, 4095, 270);
    DesignLabel(Label7, "开启监控累积到的带宽流量(单位:MB)", 120, 3000, 4095, 255);
    DesignBox(Text7, 120, 3360, 4095, 270);
    DesignLabel(Label6, "您应缴纳的费用", 120, 3720, 4095, 255);
    DesignBox(Text6, 120, 3960, 4095, 270);
    lumbutton1.Move(2880, 4440, 1335, 375);
    // Intermediate figures, kept but never shown.
    DesignBox(Text5, 3000, 0, 1215, 270);
    Text5.SetVisible(false);
    DesignBox(Text8, 3000, 360, 1215, 270);
    Text8.SetVisible(false);
}

void frmSpend::frmSpend_Form_Load() {
    Text4.SetText(ReadTotalsText(totalsFile_));
}

void frmSpend::frmSpend_lumbutton1_Click() {
    Text5.SetText(NumberToText(ValueOf(Text1) * kPerUnit));
    Text7.SetText(NumberToText(ValueOf(Text4) / kPerUnit));
    Text8.SetText(NumberToText(ValueOf(Text7) - ValueOf(Text5)));
    if (ValueOf(Text8) < 0) {
        Text6.SetText(Text3.Text());
        return;
    }
    const double excess = LeadingNumber(NumberToText(ValueOf(Text8) * ValueOf(Text2)));
    Text6.SetText(NumberToText(excess + ValueOf(Text3)));
}

void frmSpend::frmSpend_Command1_Click() {
    // The window has no taskbar entry: showing it again from the tray menu brings it back.
    SetWindowState(win::forms::vbMinimized);
}

void frmSpend::frmSpend_Command2_Click() {
    // Ends without saving: this run's traffic is not added to the stored total.
    win::forms::App().End();
}

frmSpend& FrmSpend() {
    static frmSpend window;
    return window;
}

}  // namespace quellan
