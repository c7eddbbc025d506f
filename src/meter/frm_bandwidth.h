#pragma once

// The detailed statistics window "Quellan详细信息": the traffic figures, the graph of the download
// average and the list of the computer's interfaces. The form object owns the sampling state for
// the whole run; closing the window discards its controls but not that state, and the next load
// carries it on.

#include <cstdint>
#include <memory>
#include <string>

#include "meter/cls_line_graph.h"
#include "meter/forms_picture_box_surface.h"
#include "meter/traffic_meter.h"
#include "platform/forms/form.h"
// after the form: it brings the colour types
#include "platform/forms/combo_box.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/timer.h"
#include "platform/net/interface_table.h"
#include "stats/c_ip_helper.h"

namespace quellan {

class frmBandwidth : public win::forms::Form {
public:
    // Reads the machine's own interface table.
    frmBandwidth();
    // Every reader the window makes reads `table`; the labels use `separators`.
    explicit frmBandwidth(std::shared_ptr<win::InterfaceTable> table,
                          NumericSeparators separators = UserNumericSeparators());

    void frmBandwidth_tmrUpdate_Timer();
    void frmBandwidth_Timer1_Timer();

    // This run's traffic in kilobytes, received plus sent: what the mini window saves.
    double ThisRunKilobytes() const { return meter_.ThisRunKilobytes(); }

    const TrafficMeter& Meter() const { return meter_; }
    const std::shared_ptr<SampleCollection>& Samples() const { return samples_; }

    win::forms::PictureBox PIC1{*this, "PIC1"};
    win::forms::Timer tmrUpdate{*this, "tmrUpdate"};
    win::forms::Timer Timer1{*this, "Timer1"};
    win::forms::Frame Frame2{*this, "Frame2"};
    win::forms::Label lblDownloadSpeedTop{Frame2, "lblDownloadSpeedTop"};
    win::forms::Label lblUploadSpeedTop{Frame2, "lblUploadSpeedTop"};
    win::forms::Label lblDownloadSpeedAverage{Frame2, "lblDownloadSpeedAverage"};
    win::forms::Label lblUploadSpeedAverage{Frame2, "lblUploadSpeedAverage"};
    win::forms::Label Label6{Frame2, "Label6"};
    win::forms::ComboBox cboConnectionType{Frame2, "cboConnectionType"};
    win::forms::Label Label1{Frame2, "Label1"};
    win::forms::Label lblType{Frame2, "lblType"};
    win::forms::Frame Frame3{*this, "Frame3"};
    win::forms::Label Label2{Frame3, "Label2"};
    win::forms::Label lblRecv{Frame3, "lblRecv"};
    win::forms::Label Label3{Frame3, "Label3"};
    win::forms::Label lblSent{Frame3, "lblSent"};
    win::forms::Label Label4{Frame3, "Label4"};
    win::forms::Label lblDSpeed{Frame3, "lblDSpeed"};
    win::forms::Label Label5{Frame3, "Label5"};
    win::forms::Label lblUSpeed{Frame3, "lblUSpeed"};

protected:
    void Design() override;
    void Form_Load() override;

private:
    void DesignRatesPanel();
    void DesignTotalsPanel();
    void SetUpGraph();
    void AddConnectionEntries(std::int32_t count);
    void SelectStoredConnection();
    void ShowChosenDescription(const CInterfaces& snapshot);
    void KeepListInStep();
    // The program may end inside a yield; nothing of the tick may run after that.
    bool YieldToMessageLoop();

    std::shared_ptr<win::InterfaceTable> table_;
    std::unique_ptr<CIpHelper> reader_;
    TrafficMeter meter_;
    std::shared_ptr<SampleCollection> samples_ = std::make_shared<SampleCollection>();
    FormsPictureBoxSurface pic1Surface_{PIC1};
    clsLineGraph graph_;
};

// The program's one statistics window, made on first use and kept for the whole run.
frmBandwidth& FrmBandwidth();

}  // namespace quellan
