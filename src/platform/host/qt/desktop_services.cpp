#include "platform/host/qt/desktop_services.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace win::host::desktop {

bool StartDetached(const std::vector<std::string>& argv) {
    if (argv.empty() || argv.front().empty()) {
        return false;
    }
    QStringList arguments;
    for (auto it = argv.begin() + 1; it != argv.end(); ++it) {
        arguments.push_back(QString::fromStdString(*it));
    }
    return QProcess::startDetached(QString::fromStdString(argv.front()), arguments);
}

bool OpenWithDesktop(std::string_view url) {
    // A leading "-" would be read by the opener as an option, not an address.
    if (url.empty() || url.front() == '-') {
        return false;
    }
    return StartDetached({"xdg-open", std::string(url)});
}

}  // namespace win::host::desktop
