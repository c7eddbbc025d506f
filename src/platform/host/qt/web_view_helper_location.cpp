#include "platform/host/qt/web_view_helper_location.h"

#include <QDir>
#include <QFileInfo>

namespace win::host::desktop {

namespace {

// The helper target's name in the build.
constexpr const char* kHelperName = "quellan_web_view";
constexpr const char* kOverride = "QUELLAN_WEB_VIEW_HELPER";

QString NextToExecutable() {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return QDir(QFileInfo(self.canonicalFilePath()).absolutePath()).filePath(kHelperName);
}

}  // namespace

std::optional<QString> WebViewHelperPath() {
    const QString path =
        qEnvironmentVariableIsSet(kOverride) ? qEnvironmentVariable(kOverride) : NextToExecutable();
    const QFileInfo helper(path);
    if (path.isEmpty() || !helper.isFile() || !helper.isExecutable()) {
        return std::nullopt;
    }
    return helper.absoluteFilePath();
}

}  // namespace win::host::desktop
