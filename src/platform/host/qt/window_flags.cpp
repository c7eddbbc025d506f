#include "platform/host/qt/window_flags.h"

namespace win::host::desktop {

Qt::WindowFlags WindowFlagsFor(const WindowSpec& request) {
    if (request.kind == WindowKind::Popup) {
        return Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
               Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
    }
    Qt::WindowFlags flags = Qt::Window;
    if (request.decorated) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if (request.topmost) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

}  // namespace win::host::desktop
