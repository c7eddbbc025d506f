#include "windows/frm_right.h"

#include <utility>

#include "meter/leading_number.h"
#include "meter/number_to_text.h"
#include "platform/forms/application.h"
#include "platform/forms/std_font.h"
#include "platform/forms/twips.h"
#include "platform/numeric/round_half_even.h"
#include "platform/user/message_box.h"
#include "platform/user/system_metrics.h"
#include "windows/frm_right_artwork.h"
#include "windows/module_top.h"

namespace quellan {
namespace {

using win::forms::BackStyle;
using win::forms::PixelsToTwips;

// The gap the design leaves between the window and the bottom edge.
constexpr int kBottomGapTwips = 370;
constexpr int kCopyIntervalMs = 100;

void DesignCaptionLabel(win::forms::Label& label, std::string caption, int left, int top, int width,
                        int height) {
    label.SetCaption(std::move(caption));
    label.SetBackStyle(BackStyle::Transparent);
    label.Move(left, top, width, height);
}

void DesignCopyTimer(win::forms::Timer& timer) {
    timer.SetInterval(kCopyIntervalMs);
    timer.SetEnabled(true);
}

// This run's traffic in whole kilobytes, as `Text3` shows it.
double WholeKilobytes(double kilobytes) {
    auto rounded = numeric::RoundHalfEven(kilobytes);
    return rounded ? static_cast<double>(*rounded) : kilobytes;
}

}  // namespace

frmRight::frmRight(frmBandwidth& statistics, std::filesystem::path totalsFile)
    : Form("frmRight"), statistics_(statistics), totalsFile_(std::move(totalsFile)) {
    Timer1.Tick = [this] { frmRight_Timer1_Timer(); };
    Timer2.Tick = [this] { frmRight_Timer2_Timer(); };
    Command1.Click = [this] { frmRight_Command1_Click(); };
    Command2.Click = [this] { frmRight_Command2_Click(); };
    Command3.Click = [this] { frmRight_Command3_Click(); };
    ShowSaveFailure = [this](const std::string& message) {
        win::MessageBox(hWnd(), message, "Quellan", win::MB_OK | win::MB_ICONERROR);
    };
}

void frmRight::Design() {
    SetCaption("Quellan");
    SetBorderStyle(win::forms::FormBorderStyle::None);
    SetShowInTaskbar(false);
    SetStartUpPosition(win::forms::StartUpPosition::Manual);
    SetClientSize(2220, 2100);
    SetPicture(FrmRightBackground());
    DesignTitleBar();
    DesignFigures();
    DesignCopyTimer(Timer1);
    DesignCopyTimer(Timer2);
}

void frmRight::DesignTitleBar() {
    DesignCaptionLabel(Label3, "Quellan", 360, 120, 2055, 255);
    Label3.SetFont(win::forms::StdFont::Create("SimSun", 10.5));
    Image1.SetPicture(FrmRightIcon());
    Image1.Move(50, 120, 240, 240);
    Command3.SetCaption("_");
    Command3.Move(1680, 120, 255, 255);
    Command2.SetCaption("X");
    Command2.Move(1920, 120, 255, 255);
}

void frmRight::DesignFigures() {
    DesignCaptionLabel(Label1, "接收字节：", 120, 480, 975, 255);
    Text1.SetText("");
    Text1.Move(120, 720, 1935, 270);
    DesignCaptionLabel(Label2, "发送字节：", 120, 1080, 1095, 255);
    Text2.SetText("");
    Text2.Move(120, 1320, 1935, 270);
    Command1.SetCaption("查看菜单");
    Command1.Move(1080, 1680, 1000, 320);
    // Kept beyond the client area: figures the window holds, not shows.
    Text3.SetText("");
    Text3.Move(2880, 840, 2775, 270);
    Text4.SetText("");
    Text4.Move(2940, 1260, 2745, 330);
}

void frmRight::frmRight_Form_Load() {
    ModuleTop::SetTopMost(hWnd(), true);
    PlaceInWorkAreaCorner();
    Text4.SetText(ReadTotalsText(totalsFile_));
}

void frmRight::PlaceInWorkAreaCorner() {
    // The work area rather than the whole screen, so a panel at the bottom does not cover it.
    win::RECT workArea{};
    if (!win::SystemParametersInfo(win::SPI_GETWORKAREA, 0, &workArea, 0)) {
        workArea = {0, 0, win::GetSystemMetrics(win::SM_CXSCREEN),
                    win::GetSystemMetrics(win::SM_CYSCREEN)};
    }
    Move(PixelsToTwips(workArea.right) - Width(),
         PixelsToTwips(workArea.bottom) - ScaleHeight() - kBottomGapTwips);
}

void frmRight::frmRight_Timer1_Timer() {
    Text1.SetText(statistics_.lblRecv.Caption());
    Text2.SetText(statistics_.lblSent.Caption());
}

void frmRight::frmRight_Timer2_Timer() {
    // This run's traffic from the meter's own count; the totals since system start that the
    // captions show would add earlier runs' traffic again at every start.
    Text3.SetText(NumberToTextWithLeadingBlank(WholeKilobytes(statistics_.ThisRunKilobytes())));
}

void frmRight::frmRight_Command1_Click() {
    if (!ShowMenuWindow) {
        return;
    }
    ShowMenuWindow();
    Unload();
}

std::optional<TotalsSaveError> frmRight::SaveAccumulatedTotal() {
    frmRight_Timer2_Timer();
    double total = LeadingNumber(Text3.Text()) + LeadingNumber(Text4.Text());
    return SaveTotals(totalsFile_, total);
}

void frmRight::frmRight_Command2_Click() {
    if (auto failure = SaveAccumulatedTotal()) {
        // The stored total stays as it was; the user may free the folder and try again.
        if (ShowSaveFailure) {
            ShowSaveFailure(TotalsSaveFailureText(*failure));
        }
        return;
    }
    win::forms::App().End();
}

void frmRight::frmRight_Command3_Click() {
    Hide();
}

frmRight& FrmRight() {
    static frmRight window(FrmBandwidth());
    return window;
}

}  // namespace quellan
