// The web view helper: shows one web page in a window that the program embeds in its own, so that
// the browser engine's memory is spent only while a page is shown, and in this process alone.
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <QLoggingCategory>
#include <cstdlib>

#include "platform/host/qt/web_view_helper/helper_session.h"

namespace {

// Ends this process when the program that started it ends, however it ends; its input closing
// says the same, but only once nothing else holds the pipe. Checked once more afterwards, in case
// the program was already gone before the request.
void EndWithParent() {
    const pid_t parent = ::getppid();
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) {
        std::_Exit(0);
    }
}

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
    EndWithParent();
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
