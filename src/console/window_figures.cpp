#include "console/window_figures.h"

#include <algorithm>

namespace quellan::console {

ConsoleFigures FiguresOfWindow(frmBandwidth& statistics) {
    ConsoleFigures figures;
    const int entries = statistics.cboConnectionType.ListCount();
    for (int i = 0; i < entries; ++i) {
        figures.interfaceEntries.push_back(statistics.cboConnectionType.List(i));
    }
    figures.chosenEntry = statistics.cboConnectionType.ListIndex();
    figures.description = statistics.lblType.Caption();
    figures.receivedTotal = statistics.lblRecv.Caption();
    figures.sentTotal = statistics.lblSent.Caption();
    figures.downloadSpeed = statistics.lblDSpeed.Caption();
    figures.uploadSpeed = statistics.lblUSpeed.Caption();
    figures.peakDownload = statistics.lblDownloadSpeedTop.Caption();
    figures.peakUpload = statistics.lblUploadSpeedTop.Caption();
    figures.averageDownload = statistics.lblDownloadSpeedAverage.Caption();
    figures.averageUpload = statistics.lblUploadSpeedAverage.Caption();
    const SampleCollection& samples = *statistics.Samples();
    auto newest = samples.size() > kGraphSampleCount
                      ? samples.end() - static_cast<std::ptrdiff_t>(kGraphSampleCount)
                      : samples.begin();
    figures.graphSamples.assign(newest, samples.end());
    return figures;
}

void MoveWindowChoice(frmBandwidth& statistics, int step) {
    win::forms::ComboBox& list = statistics.cboConnectionType;
    const int entries = list.ListCount();
    if (entries == 0) {
        return;
    }
    list.SetListIndex(std::clamp(std::max(list.ListIndex(), 0) + step, 0, entries - 1));
}

}  // namespace quellan::console
