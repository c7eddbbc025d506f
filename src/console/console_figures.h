#pragma once

// What the console shows of the statistics window: its interface list, the description of the
// chosen interface and the texts of its figure labels, exactly as the window's labels hold them.

#include <string>
#include <vector>

namespace quellan::console {

inline constexpr std::size_t kGraphSampleCount = 100;

struct ConsoleFigures {
    // The list's entries (descriptions followed by a blank) and the 0-based chosen entry, -1 for
    // none.
    std::vector<std::string> interfaceEntries;
    int chosenEntry = -1;
    std::string description;      // `lblType`
    std::string receivedTotal;    // `lblRecv`
    std::string sentTotal;        // `lblSent`
    std::string downloadSpeed;    // `lblDSpeed`
    std::string uploadSpeed;      // `lblUSpeed`
    std::string peakDownload;     // `lblDownloadSpeedTop`
    std::string peakUpload;       // `lblUploadSpeedTop`
    std::string averageDownload;  // `lblDownloadSpeedAverage`
    std::string averageUpload;    // `lblUploadSpeedAverage`
    // The graph's samples, oldest first.
    std::vector<double> graphSamples;
};

}  // namespace quellan::console
