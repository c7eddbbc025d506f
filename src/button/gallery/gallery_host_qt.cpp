#include <cstdlib>

#include "button/gallery/gallery_host.h"
#include "platform/host/qt/qt_host.h"
#include "platform/user/desktop.h"

namespace quellan::gallery {

int WithHeadlessHost(const std::function<int()>& draw);

int WithHost(bool headless, int& argc, char** argv, const std::function<int()>& draw) {
    if (headless) {
        return WithHeadlessHost(draw);
    }
    // The picture is drawn off-screen; a display is not needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    win::host::QtHost host(argc, argv);
    win::AttachHost(host);
    const int result = draw();
    win::DetachHost();
    return result;
}

}  // namespace quellan::gallery
