#include "windows/tray_menu_link.h"

#include "platform/forms/form.h"

namespace quellan {
namespace {

win::forms::Form*& TrayMenuWindow() {
    static win::forms::Form* window = nullptr;
    return window;
}

}  // namespace

void ShowTrayMenuWindow() {
    if (win::forms::Form* window = TrayMenuWindow()) {
        window->Show();
    }
}

void SetTrayMenuWindow(win::forms::Form* window) {
    TrayMenuWindow() = window;
}

}  // namespace quellan
