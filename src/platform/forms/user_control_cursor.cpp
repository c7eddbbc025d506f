#include "platform/forms/user_control.h"

#include "platform/user/user.h"

namespace win::forms {

int UserControl::MousePointer() const {
    Touch();
    return surface_.mousePointer;
}

namespace {

int CursorOf(int pointer) {
    switch (pointer) {
        case vbArrow:
            return IDC_ARROW;
        case vbCrosshair:
            return IDC_CROSS;
        case vbIbeam:
            return IDC_IBEAM;
        case vbHourglass:
            return IDC_WAIT;
        case vbNoDrop:
            return IDC_NO;
        case vbSizeAll:
            return IDC_SIZEALL;
        default:
            return 0;
    }
}

}  // namespace

void UserControl::SetMousePointer(int pointer) {
    Touch();
    if (pointer == vbDefault || CursorOf(pointer) != 0) {
        surface_.mousePointer = pointer;
    }
}

bool UserControl::SetPointerShape() const {
    if (surface_.mousePointer == vbDefault) {
        return false;
    }
    SetCursor(LoadCursor(nullptr, CursorOf(surface_.mousePointer)));
    return true;
}

}  // namespace win::forms
