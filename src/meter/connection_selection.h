#pragma once

// Which interface the statistics window's list preselects, from the stored "Connection"
// setting: the 0-based index of the entry as the setting's leading number.

#include <string_view>

namespace quellan {

inline constexpr std::string_view kSettingsApplication = "Quellan";
inline constexpr std::string_view kConnectionSettingSection = "Setting";
inline constexpr std::string_view kConnectionSettingKey = "Connection";

inline constexpr int kNoListSelection = -1;

// An absent setting is the empty text. The stored index rounds half to even; -1 selects nothing,
// as does an empty list, and any index that names no entry selects entry 0.
int ConnectionEntryToSelect(std::string_view settingText, int entryCount);

}  // namespace quellan
