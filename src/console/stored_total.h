#pragma once

// The accumulated total as the mini window keeps it: read from the totals file at the start,
// and saved at the end with this run's traffic added, as its "X" does.

#include <filesystem>
#include <optional>
#include <string>

#include "windows/totals_file.h"

namespace quellan::console {

class StoredTotal {
public:
    explicit StoredTotal(std::filesystem::path file);

    // The file's text as read at the start (`Text4`).
    const std::string& StoredText() const { return storedText_; }

    // Writes the stored total plus this run's kilobytes; the file is left as it was on failure.
    std::optional<TotalsSaveError> SaveWithRun(double thisRunKilobytes) const;

private:
    std::filesystem::path file_;
    std::string storedText_;
};

}  // namespace quellan::console
