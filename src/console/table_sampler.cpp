#include "console/table_sampler.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "meter/connection_selection.h"

namespace quellan::console {
namespace {

// The design captions of the window's labels, shown until the first tick.
constexpr std::string_view kDescriptionBeforeFirstTick = "TokenRing ";

}  // namespace

TableSampler::TableSampler(std::shared_ptr<win::InterfaceTable> table,
                           std::string connectionSetting, NumericSeparators separators)
    : reader_(std::move(table)),
      meter_(std::move(separators)),
      connectionSetting_(std::move(connectionSetting)) {
    figures_.description = kDescriptionBeforeFirstTick;
    figures_.graphSamples.assign(kGraphSampleCount, 0.0);
    FillList(*reader_.Interfaces());
}

void TableSampler::Tick() {
    std::shared_ptr<CInterfaces> snapshot = reader_.Interfaces();
    TakeDescription(*snapshot);
    meter_.TakeTotals(TotalsOfSnapshot(reader_.BytesReceived(), reader_.BytesSent(),
                                       static_cast<std::size_t>(snapshot->Count())));
    meter_.CompareWithPrevious();
    figures_.receivedTotal = meter_.ReceivedTotalCaption();
    figures_.sentTotal = meter_.SentTotalCaption();
    meter_.UpdateAverages();
    figures_.peakDownload = meter_.PeakDownloadCaption();
    figures_.peakUpload = meter_.PeakUploadCaption();
    figures_.averageDownload = meter_.AverageDownloadCaption();
    figures_.averageUpload = meter_.AverageUploadCaption();
    AddGraphSample(meter_.GraphSample());
    figures_.downloadSpeed = meter_.DownloadSpeedCaption();
    figures_.uploadSpeed = meter_.UploadSpeedCaption();
    meter_.KeepTotalsAsPrevious();
    if (static_cast<std::size_t>(snapshot->Count()) != figures_.interfaceEntries.size()) {
        FillList(*snapshot);
    }
}

void TableSampler::MoveChoice(int step) {
    int entries = static_cast<int>(figures_.interfaceEntries.size());
    if (entries == 0) {
        return;
    }
    int from = std::max(figures_.chosenEntry, 0);
    figures_.chosenEntry = std::clamp(from + step, 0, entries - 1);
}

void TableSampler::FillList(const CInterfaces& snapshot) {
    figures_.interfaceEntries.clear();
    for (const auto& record : snapshot) {
        figures_.interfaceEntries.push_back(record->InterfaceDescription() + " ");
    }
    figures_.chosenEntry = ConnectionEntryToSelect(
        connectionSetting_, static_cast<int>(figures_.interfaceEntries.size()));
}

void TableSampler::TakeDescription(const CInterfaces& snapshot) {
    int chosen = figures_.chosenEntry;
    if (chosen < 0 || chosen >= snapshot.Count()) {
        return;
    }
    figures_.description = snapshot.Item(chosen + 1)->InterfaceDescription() + " ";
}

void TableSampler::AddGraphSample(double sample) {
    std::vector<double>& samples = figures_.graphSamples;
    samples.push_back(sample);
    if (samples.size() > kGraphSampleCount) {
        samples.erase(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(
                                                             samples.size() - kGraphSampleCount));
    }
}

}  // namespace quellan::console
