#include "platform/controls/control_classes.h"

#include "platform/controls/standard_controls.h"

namespace win::controls {

bool EnsureClassRegistered(const WNDCLASS& windowClass) {
    WNDCLASS existing;
    if (GetClassInfo(windowClass.lpszClassName, &existing)) {
        return true;
    }
    return RegisterClass(windowClass) != 0;
}

}  // namespace win::controls

namespace win {

bool InitCommonControls() {
    using namespace controls;
    bool registered = RegisterButtonClass();
    registered = RegisterEditClass() && registered;
    registered = RegisterComboBoxClasses() && registered;
    registered = RegisterFrameClass() && registered;
    registered = RegisterPictureBoxClass() && registered;
    registered = RegisterTooltipClass() && registered;
    return registered;
}

}  // namespace win
