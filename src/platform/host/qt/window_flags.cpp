#include "platform/host/qt/window_flags.h"

namespace win::host::desktop {

Qt::WindowFlags WindowFlagsFor(const WindowSpec& spec) {
    if (spec.kind == WindowKind::Popup) {
        return Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
               Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
    }
    Qt::WindowFlags flags = Qt::Window;
    if (spec.decorated) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if (spec.topmost) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

}  // namespace win::host::desktop
