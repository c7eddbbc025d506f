#include "meter/traffic_meter.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "meter/graph_sample.h"
#include "meter/number_format.h"
#include "platform/numeric/checked_arithmetic.h"
#include "platform/numeric/round_half_even.h"

namespace quellan {
namespace {

constexpr double kBytesPerKilobyte = 1024.0;

std::uint64_t CounterOf(double bytes) {
    constexpr double kTwoToThe63 = 9223372036854775808.0;
    constexpr double kTwoToThe64 = 18446744073709551616.0;
    if (!(bytes > 0.0)) {
        return 0;  // also NaN
    }
    if (bytes >= kTwoToThe64) {
        return std::numeric_limits<std::uint64_t>::max();
    }
    if (bytes >= kTwoToThe63) {
        return static_cast<std::uint64_t>(bytes);  // no fraction left at this size
    }
    return static_cast<std::uint64_t>(numeric::RoundHalfEven(bytes).value_or(0));
}

std::int64_t DifferenceOrZero(std::uint64_t total, std::uint64_t previous) {
    return numeric::CheckedDifference(total, previous).value_or(0);
}

void RaisePeak(double& peak, std::int64_t difference) {
    if (static_cast<double>(difference) > peak) {
        peak = static_cast<double>(difference);
    }
}

void CountIncrease(std::uint64_t& sum, std::int64_t difference) {
    if (difference <= 0) {
        return;
    }
    if (auto raised = numeric::CheckedAdd(sum, static_cast<std::uint64_t>(difference))) {
        sum = *raised;
    }
}

double HalvingAverage(std::int64_t difference, double average) {
    return (static_cast<double>(difference) + average) / 2.0;
}

std::string TotalCaption(std::uint64_t total, const NumericSeparators& separators) {
    return FormatNumber(static_cast<double>(total) / kBytesPerKilobyte, kWholeKilobytesPattern,
                        separators);
}

std::string RateCaption(const char* prefix, double bytes, const NumericSeparators& separators) {
    return prefix + FormatNumber(bytes / kBytesPerKilobyte, kGroupedRatePattern, separators);
}

std::string SpeedCaption(std::int64_t difference, const NumericSeparators& separators) {
    double kilobytes = static_cast<double>(difference) / kBytesPerKilobyte;
    if (kilobytes < 1.0) {
        return FormatNumber(static_cast<double>(difference), kBytesPerTickPattern, separators);
    }
    return FormatNumber(kilobytes, kKilobytesPerTickPattern, separators);
}

}  // namespace

SnapshotTotals TotalsOfSnapshot(double bytesReceived, double bytesSent,
                                std::size_t interfaceCount) {
    if (interfaceCount == 0) {
        return {0, 0, true};
    }
    return {CounterOf(bytesReceived), CounterOf(bytesSent), false};
}

TrafficMeter::TrafficMeter(NumericSeparators separators) : separators_(std::move(separators)) {}

void TrafficMeter::TakeTotals(const SnapshotTotals& snapshot) {
    snapshotFailed_ = snapshot.failed;
    receivedTotal_ = snapshot.failed ? 0 : snapshot.received;
    sentTotal_ = snapshot.failed ? 0 : snapshot.sent;
    receivedDifference_ = 0;
    sentDifference_ = 0;
}

void TrafficMeter::CompareWithPrevious() {
    receivedDifference_ = DifferenceOrZero(receivedTotal_, previousReceived_);
    sentDifference_ = DifferenceOrZero(sentTotal_, previousSent_);
    RaisePeak(peakDownload_, receivedDifference_);
    RaisePeak(peakUpload_, sentDifference_);
    if (previousIsReal_ && !snapshotFailed_) {
        CountIncrease(run_.received, receivedDifference_);
        CountIncrease(run_.sent, sentDifference_);
    }
}

void TrafficMeter::UpdateAverages() {
    averageDownload_ = HalvingAverage(receivedDifference_, averageDownload_);
    averageUpload_ = HalvingAverage(sentDifference_, averageUpload_);
}

void TrafficMeter::KeepTotalsAsPrevious() {
    previousReceived_ = receivedTotal_;
    previousSent_ = sentTotal_;
    previousIsReal_ = !snapshotFailed_;
}

PeakClearing TrafficMeter::ClearPeaks() {
    if (peakDownload_ == 0.0) {
        return PeakClearing::StopForGood;
    }
    peakDownload_ = 0.0;
    peakUpload_ = 0.0;
    return PeakClearing::KeepClearing;
}

std::string TrafficMeter::ReceivedTotalCaption() const {
    return TotalCaption(receivedTotal_, separators_);
}

std::string TrafficMeter::SentTotalCaption() const {
    return TotalCaption(sentTotal_, separators_);
}

std::string TrafficMeter::PeakDownloadCaption() const {
    return RateCaption("下载速率: ", peakDownload_, separators_);
}

std::string TrafficMeter::PeakUploadCaption() const {
    return RateCaption("上载速率: ", peakUpload_, separators_);
}

std::string TrafficMeter::AverageDownloadCaption() const {
    return RateCaption("平均下载速率: ", averageDownload_, separators_);
}

std::string TrafficMeter::AverageUploadCaption() const {
    return RateCaption("平均上载速率: ", averageUpload_, separators_);
}

std::string TrafficMeter::DownloadSpeedCaption() const {
    return SpeedCaption(receivedDifference_, separators_);
}

std::string TrafficMeter::UploadSpeedCaption() const {
    return SpeedCaption(sentDifference_, separators_);
}

double TrafficMeter::ThisRunKilobytes() const {
    return (static_cast<double>(run_.received) + static_cast<double>(run_.sent)) /
           kBytesPerKilobyte;
}

double TrafficMeter::GraphSample() const {
    return GraphSampleOfAverage(averageDownload_, separators_);
}

}  // namespace quellan
