// The web view helper: shows one web page in a window that the program embeds in its own, so that
// the browser engine's memory is spent only while a page is shown, and in this process alone.
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <QLoggingCategory>

#include "platform/host/qt/web_view_helper/helper_session.h"

namespace {

void PrepareEngineEnvironment() {
    // The engine's sandbox refuses to start as root.
    if (::geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    // A notice page needs no GPU; software drawing also works on virtual displays without one.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--disable-gpu")) {
        flags.append(flags.isEmpty() ? "--disable-gpu" : " --disable-gpu");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    }
}

}  // namespace

int main(int argc, char** argv) {
    PrepareEngineEnvironment();
    // The engine describes its graphics set-up at every start; the program's output is no place
    // for that.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    win::host::helper::HelperSession session;
    session.Start();
    return QApplication::exec();
}
