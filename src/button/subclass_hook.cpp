#include "button/subclass_hook.h"

#include "platform/user/user.h"

namespace quellan {

using namespace win;

namespace {

// A window made as a child of a multiple-document frame carries this extended style.
constexpr DWORD kMdiChildStyle = 0x00000040;

void Call(const std::function<void()>& handler) {
    if (handler) {
        handler();
    }
}

}  // namespace

bool InstallMessageHook(SubclassTable& table, HWND control, HWND parent, bool themeInUse,
                        bool parentIsMdiChild) {
    if (!table.SubclassWindow(control) || !table.SubclassWindow(parent)) {
        return false;
    }
    if (!table.AddMessage(control, kHookMouseLeave, WhenAfter) ||
        !table.AddMessage(control, kHookThemeChanged, WhenAfter)) {
        return false;
    }
    if (themeInUse && !table.AddMessage(control, kHookSysColorChange, WhenAfter)) {
        return false;
    }
    return table.AddMessage(parent, parentIsMdiChild ? kHookNcActivate : kHookActivate, WhenAfter);
}

bool ParentIsMdiChild(HWND parent) {
    return (GetWindowLongPtr(parent, GWL_EXSTYLE) & kMdiChildStyle) != 0;
}

void RunHookMessage(UINT uMsg, WPARAM wParam, const HookHandlers& handlers) {
    switch (uMsg) {
        case kHookActivate:
        case kHookNcActivate:
            Call(wParam != 0 ? handlers.parentActivated : handlers.parentDeactivated);
            break;
        case kHookSysColorChange:
        case kHookThemeChanged:
            Call(handlers.redraw);
            break;
        case kHookMouseLeave:
            Call(handlers.mouseLeft);
            break;
        default:
            break;
    }
}

}  // namespace quellan
