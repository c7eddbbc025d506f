#include "platform/host/qt/web_view_helper_location.h"

#include <QFileInfo>

#include "platform/files/shipped_files.h"

namespace win::host::desktop {

namespace {

// The helper target's name in the build.
constexpr const char* kHelperName = "quellan_web_view";
constexpr const char* kOverride = "QUELLAN_WEB_VIEW_HELPER";

// As installed (../libexec/quellan) or as built (beside the program).
QString ShippedHelper() {
    const auto found = files::FindShippedHelper(kHelperName);
    return found ? QString::fromStdString(found->string()) : QString();
}

}  // namespace

std::optional<QString> WebViewHelperPath() {
    const QString path =
        qEnvironmentVariableIsSet(kOverride) ? qEnvironmentVariable(kOverride) : ShippedHelper();
    const QFileInfo helper(path);
    if (path.isEmpty() || !helper.isFile() || !helper.isExecutable()) {
        return std::nullopt;
    }
    return helper.absoluteFilePath();
}

}  // namespace win::host::desktop
