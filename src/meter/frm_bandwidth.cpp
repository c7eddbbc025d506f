#include "meter/frm_bandwidth.h"

#include <utility>

#include "meter/connection_selection.h"
#include "meter/frm_bandwidth_icon.h"
#include "platform/forms/application.h"
#include "platform/forms/services.h"
#include "platform/forms/settings_store.h"
#include "platform/forms/std_font.h"

namespace quellan {
namespace {

using win::OLE_COLOR;
using win::forms::FontRef;
using win::forms::Label;

constexpr OLE_COLOR kWindowColour = 0x00F0F0F0;
constexpr OLE_COLOR kValueBackground = 0x00FFFFFF;
constexpr OLE_COLOR kTypeTextColour = 0x00404040;

constexpr win::COLORREF kGraphBackground = 0x000000;
constexpr win::COLORREF kGraphLine = 65280;
constexpr win::COLORREF kGraphBorder = 255;
constexpr win::COLORREF kGraphGrid = 8421376;

FontRef ArialFont(bool bold = false) {
    FontRef font = win::forms::StdFont::Create("Arial", 8.25);
    font->SetBold(bold);
    return font;
}

struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

void DesignLabel(Label& label, std::string caption, Placement at, const FontRef& font,
                 OLE_COLOR background = kWindowColour) {
    label.SetCaption(std::move(caption));
    label.SetFont(font);
    label.SetBackColor(background);
    label.Move(at.left, at.top, at.width, at.height);
}

// Peak and average labels grow with their text; only where they start is given.
void DesignSizingLabel(Label& label, std::string caption, int left, int top, const FontRef& font) {
    DesignLabel(label, std::move(caption), {left, top, 0, 0}, font);
    label.SetAutoSize(true);
}

const win::forms::PictureRef& WindowIcon() {
    static const win::forms::PictureRef icon = FrmBandwidthIcon();
    return icon;
}

}  // namespace

frmBandwidth::frmBandwidth() : frmBandwidth(nullptr) {}

frmBandwidth::frmBandwidth(std::shared_ptr<win::InterfaceTable> table, NumericSeparators separators)
    : Form("frmBandwidth"), table_(std::move(table)), meter_(std::move(separators)) {
    tmrUpdate.Tick = [this] { frmBandwidth_tmrUpdate_Timer(); };
    Timer1.Tick = [this] { frmBandwidth_Timer1_Timer(); };
}

void frmBandwidth::Design() {
    SetCaption("Quellan详细信息");
    SetBorderStyle(win::forms::FormBorderStyle::FixedSingle);
    SetMaxButton(false);
    SetClientSize(5730, 5745);
    SetBackColor(kWindowColour);
    SetIcon(WindowIcon());

    PIC1.Move(0, 0, 5685, 1750);
    tmrUpdate.SetInterval(100);
    tmrUpdate.SetEnabled(true);
    Timer1.SetInterval(2000);
    Timer1.SetEnabled(true);
    DesignRatesPanel();
    DesignTotalsPanel();
}

void frmBandwidth::DesignRatesPanel() {
    const FontRef font = ArialFont();
    Frame2.SetCaption("");
    Frame2.SetFont(font);
    Frame2.Move(0, 1710, 5700, 2265);
    DesignSizingLabel(lblDownloadSpeedTop, "下载速率:", 45, 150, font);
    DesignSizingLabel(lblUploadSpeedTop, "上载速率:", 75, 405, font);
    DesignSizingLabel(lblDownloadSpeedAverage, "平均下载速率:", 60, 645, font);
    DesignSizingLabel(lblUploadSpeedAverage, "平均上载速率:", 60, 885, font);
    DesignLabel(Label6, "选择网卡:", {60, 1080, 5415, 255}, font);
    cboConnectionType.SetBackColor(kValueBackground);
    cboConnectionType.SetFont(ArialFont(true));
    cboConnectionType.Move(60, 1320, 5460, 330);
    DesignLabel(Label1, "连接类型 :", {120, 1680, 1095, 210}, font);
    DesignLabel(lblType, "TokenRing ", {1080, 1680, 4290, 465}, font);
    lblType.SetBackStyle(win::forms::BackStyle::Transparent);
    lblType.SetForeColor(kTypeTextColour);
}

void frmBandwidth::DesignTotalsPanel() {
    const FontRef font = ArialFont();
    Frame3.SetCaption("");
    Frame3.SetFont(font);
    Frame3.Move(0, 3960, 5700, 1770);
    DesignLabel(Label2, " 接收字节:", {60, 285, 1335, 270}, font);
    DesignLabel(lblRecv, "Label1", {1515, 225, 1650, 345}, font, kValueBackground);
    DesignLabel(Label3, "发送字节:", {150, 645, 930, 255}, font);
    DesignLabel(lblSent, "Label6", {1515, 585, 1650, 345}, font, kValueBackground);
    DesignLabel(Label4, " 下载速率:", {60, 990, 1440, 345}, font);
    DesignLabel(lblDSpeed, "Label7", {1515, 945, 1650, 345}, font, kValueBackground);
    DesignLabel(Label5, " 上载速率:", {60, 1305, 1440, 345}, font);
    DesignLabel(lblUSpeed, "Label7", {1515, 1305, 1650, 345}, font, kValueBackground);
}

void frmBandwidth::Form_Load() {
    // At least one sample per load, so a reload scrolls the graph by one.
    samples_->push_back(0);
    while (samples_->size() < static_cast<std::size_t>(kShownSamples)) {
        samples_->push_back(0);
    }
    SetUpGraph();
    reader_ = table_ ? std::make_unique<CIpHelper>(table_) : std::make_unique<CIpHelper>();
    AddConnectionEntries(reader_->Interfaces()->Count());
    SelectStoredConnection();
}

void frmBandwidth::SetUpGraph() {
    graph_.PictureBox(&pic1Surface_);
    graph_.DataCollection(samples_);
    graph_.PicBackground(kGraphBackground);
    graph_.PicForeground(kGraphLine);
    graph_.BorderColor(kGraphBorder);
    graph_.BorderSize(0);
    graph_.GridColor(kGraphGrid);
    graph_.GridVisible(true);
}

// Entry k stands for item k + 1 of every later snapshot; each entry comes from a fresh read.
void frmBandwidth::AddConnectionEntries(std::int32_t count) {
    for (std::int32_t i = 1; i <= count; ++i) {
        std::shared_ptr<CInterfaces> snapshot = reader_->Interfaces();
        if (i <= snapshot->Count()) {
            cboConnectionType.AddItem(snapshot->Item(i)->InterfaceDescription() + " ");
        }
    }
}

void frmBandwidth::SelectStoredConnection() {
    const std::string stored = win::GetSetting(win::forms::App().Title(), kConnectionSettingSection,
                                               kConnectionSettingKey);
    const int entry = ConnectionEntryToSelect(stored, cboConnectionType.ListCount());
    if (entry != kNoListSelection) {
        cboConnectionType.SetListIndex(entry);
    }
}

void frmBandwidth::ShowChosenDescription(const CInterfaces& snapshot) {
    const int index = cboConnectionType.ListIndex();
    if (index < 0 || index + 1 > snapshot.Count()) {
        return;
    }
    lblType.SetCaption(snapshot.Item(index + 1)->InterfaceDescription() + " ");
}

bool frmBandwidth::YieldToMessageLoop() {
    win::forms::DoEvents();
    return !win::forms::App().Ended();
}

void frmBandwidth::frmBandwidth_tmrUpdate_Timer() {
    tmrUpdate.SetEnabled(false);
    std::shared_ptr<CInterfaces> snapshot = reader_->Interfaces();
    ShowChosenDescription(*snapshot);
    meter_.TakeTotals(
        TotalsOfSnapshot(reader_->BytesReceived(), reader_->BytesSent(), snapshot->Count()));
    if (!YieldToMessageLoop()) {
        return;
    }
    meter_.CompareWithPrevious();
    if (!YieldToMessageLoop()) {
        return;
    }
    lblRecv.SetCaption(meter_.ReceivedTotalCaption());
    lblSent.SetCaption(meter_.SentTotalCaption());
    meter_.UpdateAverages();
    lblDownloadSpeedTop.SetCaption(meter_.PeakDownloadCaption());
    lblUploadSpeedTop.SetCaption(meter_.PeakUploadCaption());
    lblDownloadSpeedAverage.SetCaption(meter_.AverageDownloadCaption());
    lblUploadSpeedAverage.SetCaption(meter_.AverageUploadCaption());
    samples_->push_back(meter_.GraphSample());
    graph_.Draw();
    lblDSpeed.SetCaption(meter_.DownloadSpeedCaption());
    lblUSpeed.SetCaption(meter_.UploadSpeedCaption());
    meter_.KeepTotalsAsPrevious();
    KeepListInStep();
    tmrUpdate.SetEnabled(true);
}

void frmBandwidth::KeepListInStep() {
    const std::int32_t count = reader_->Interfaces()->Count();
    if (count == cboConnectionType.ListCount()) {
        return;
    }
    cboConnectionType.Clear();
    AddConnectionEntries(count);
    SelectStoredConnection();
}

void frmBandwidth::frmBandwidth_Timer1_Timer() {
    if (meter_.ClearPeaks() == PeakClearing::StopForGood) {
        Timer1.SetEnabled(false);
    }
}

frmBandwidth& FrmBandwidth() {
    // Never destroyed: the window outlives every other part of the program.
    static frmBandwidth* const window = new frmBandwidth();
    return *window;
}

}  // namespace quellan
