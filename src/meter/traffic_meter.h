#pragma once

// The arithmetic the statistics window's sampling tick runs: totals, per-tick differences,
// peaks, halving averages, the label texts and the graph sample. The window calls the steps in
// the tick's order and yields to the message loop between them, so each step is its own call.
//
// Rates are bytes per tick. Totals and differences are 64-bit. Besides the shown figures the
// meter counts this run's traffic as the sum of the positive differences, leaving out every
// difference taken against a previous total that was not real: the first tick, and the tick
// after a failed snapshot, compare against zero.

#include <cstddef>
#include <cstdint>
#include <string>

#include "meter/numeric_separators.h"

namespace quellan {

struct SnapshotTotals {
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
    bool failed = false;  // an empty or failed table read: its totals count as 0
};

// The totals as the interface reader gives them (doubles) and the snapshot's interface count:
// a snapshot without interfaces is an empty or failed table read. Values a counter cannot hold
// are clamped to its range.
SnapshotTotals TotalsOfSnapshot(double bytesReceived, double bytesSent, std::size_t interfaceCount);

struct RunTraffic {
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
};

enum class PeakClearing { KeepClearing, StopForGood };

class TrafficMeter {
public:
    explicit TrafficMeter(NumericSeparators separators = UserNumericSeparators());

    void TakeTotals(const SnapshotTotals& snapshot);
    // Differences, peaks and this run's traffic.
    void CompareWithPrevious();
    void UpdateAverages();
    void KeepTotalsAsPrevious();

    // `Timer1`: clears both peaks while the download peak is not 0; once it finds it at 0 the
    // timer is to stop for good.
    PeakClearing ClearPeaks();

    std::string ReceivedTotalCaption() const;
    std::string SentTotalCaption() const;
    std::string PeakDownloadCaption() const;
    std::string PeakUploadCaption() const;
    std::string AverageDownloadCaption() const;
    std::string AverageUploadCaption() const;
    std::string DownloadSpeedCaption() const;
    std::string UploadSpeedCaption() const;
    double GraphSample() const;

    std::uint64_t ReceivedTotal() const { return receivedTotal_; }
    std::uint64_t SentTotal() const { return sentTotal_; }
    std::int64_t ReceivedDifference() const { return receivedDifference_; }
    std::int64_t SentDifference() const { return sentDifference_; }
    double PeakDownload() const { return peakDownload_; }
    double PeakUpload() const { return peakUpload_; }
    double AverageDownload() const { return averageDownload_; }
    double AverageUpload() const { return averageUpload_; }
    RunTraffic ThisRun() const { return run_; }
    // Received plus sent, as the mini window keeps and saves it.
    double ThisRunKilobytes() const;

private:
    NumericSeparators separators_;
    std::uint64_t receivedTotal_ = 0;
    std::uint64_t sentTotal_ = 0;
    bool snapshotFailed_ = false;
    std::uint64_t previousReceived_ = 0;
    std::uint64_t previousSent_ = 0;
    bool previousIsReal_ = false;
    std::int64_t receivedDifference_ = 0;
    std::int64_t sentDifference_ = 0;
    double peakDownload_ = 0.0;
    double peakUpload_ = 0.0;
    double averageDownload_ = 0.0;
    double averageUpload_ = 0.0;
    RunTraffic run_;
};

}  // namespace quellan
