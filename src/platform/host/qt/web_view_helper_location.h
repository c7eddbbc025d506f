#pragma once

#include <QString>
#include <optional>

namespace win::host::desktop {

// Where the web view helper is: $QUELLAN_WEB_VIEW_HELPER when set (an empty value means none),
// else the one the program ships: ../libexec/quellan from the executable as installed, beside
// it as built. std::nullopt when there is no executable file there.
std::optional<QString> WebViewHelperPath();

}  // namespace win::host::desktop
