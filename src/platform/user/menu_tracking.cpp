#include "platform/user/menu_tracking.h"

#include <cctype>

#include "platform/user/mouse_capture.h"
#include "platform/user/system_metrics.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_lifetime.h"
#include "platform/user/window_messages.h"

namespace win::user {

namespace {

// A sub-menu overlaps its parent by the menu frame, so its first item lines up with the item
// that opened it.
constexpr int kSubMenuOverlap = 3;

bool IsPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
           message == WM_MBUTTONDBLCLK;
}

bool OpensSelectableSubMenu(const MenuPopup& popup, int item) {
    return item >= 0 && popup.Item(item).OpensSubMenu() && popup.Item(item).IsSelectable();
}

}  // namespace

MenuTracking::MenuTracking(const Menu& menu, UINT flags, HWND owner)
    : flags_(flags), owner_(owner) {
    levels_.push_back(std::make_unique<MenuPopup>(menu, flags));
}

bool MenuTracking::Open(int x, int y) {
    if (!levels_.front()->Open(x, y, owner_)) {
        return false;
    }
    SetCapture(levels_.front()->Window());
    return true;
}

bool MenuTracking::Done() const {
    return finished_ || levels_.front()->Cancelled() || !IsWindow(levels_.front()->Window());
}

HWND MenuTracking::Window() const {
    return levels_.front()->Window();
}

void MenuTracking::CloseAll() {
    CloseLevelsAbove(0);
    if (IsWindow(Window())) {
        DestroyWindow(Window());
    }
}

std::optional<std::size_t> MenuTracking::LevelAt(POINT screen) const {
    for (std::size_t level = levels_.size(); level-- > 0;) {
        if (levels_[level]->Contains(screen)) {
            return level;
        }
    }
    return std::nullopt;
}

void MenuTracking::CloseLevelsAbove(std::size_t level) {
    while (levels_.size() > level + 1) {
        levels_.pop_back();
    }
}

void MenuTracking::PointAt(std::size_t level, int item) {
    MenuPopup& popup = *levels_[level];
    if (item == popup.Highlighted()) {
        // Back from the sub-menu onto the item that opened it: the sub-menu stays.
        return;
    }
    CloseLevelsAbove(level);
    popup.Highlight(item);
    if (OpensSelectableSubMenu(popup, item)) {
        OpenSubMenu(level, item, false);
    }
}

void MenuTracking::Activate(std::size_t level, int item, bool byKeyboard) {
    const MenuPopup& popup = *levels_[level];
    if (item < 0 || !popup.Item(item).IsSelectable()) {
        return;
    }
    if (!popup.Item(item).OpensSubMenu()) {
        choice_ = popup.Item(item).id;
        finished_ = true;
        return;
    }
    if (levels_.size() == level + 1) {
        levels_[level]->Highlight(item);
        OpenSubMenu(level, item, byKeyboard);
    }
}

void MenuTracking::OpenSubMenu(std::size_t level, int item, bool highlightFirst) {
    CloseLevelsAbove(level);
    const HMENU handle = levels_[level]->Item(item).subMenu;
    if (FindMenu(handle) == nullptr) {
        return;
    }
    SendMessage(owner_, WM_INITMENUPOPUP, static_cast<WPARAM>(handle.Value()), MAKELPARAM(item, 0));
    // The owner may have changed the menus, or ended the tracking, meanwhile.
    const Menu* menu = FindMenu(handle);
    if (menu == nullptr || levels_.size() != level + 1 || !IsWindow(levels_[level]->Window())) {
        return;
    }
    auto popup = std::make_unique<MenuPopup>(*menu, TPM_LEFTALIGN | TPM_TOPALIGN);
    const SIZE size = popup->Size();
    RECT parent{};
    GetWindowRect(levels_[level]->Window(), &parent);
    const RECT opener = levels_[level]->ItemScreenRect(item);
    int x = parent.right - kSubMenuOverlap;
    if (x + size.cx > GetSystemMetrics(SM_CXSCREEN)) {
        x = parent.left - size.cx + kSubMenuOverlap;
    }
    if (!popup->Open(x, opener.top - kSubMenuOverlap, owner_)) {
        return;
    }
    levels_.push_back(std::move(popup));
    if (highlightFirst) {
        Deepest().MoveHighlight(1);
    }
}

bool MenuTracking::HandleMouse(const MSG& msg) {
    // The first level holds the capture: every mouse message comes in some window's client
    // coordinates, which are turned into the screen's.
    POINT screen{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    ClientToScreen(msg.hwnd, &screen);
    const std::optional<std::size_t> level = LevelAt(screen);
    const int item = level ? levels_[*level]->ItemAt(screen) : -1;
    if (msg.message == WM_MOUSEMOVE) {
        if (level) {
            PointAt(*level, item);
        }
        return true;
    }
    if (IsPress(msg.message)) {
        finished_ = finished_ || !level;
        return true;
    }
    const bool chooses =
        msg.message == WM_LBUTTONUP || (msg.message == WM_RBUTTONUP && (flags_ & TPM_RIGHTBUTTON));
    if (chooses && level) {
        Activate(*level, item, false);
    }
    return true;
}

bool MenuTracking::HandleKey(const MSG& msg) {
    const std::size_t deepest = DeepestLevel();
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        switch (static_cast<int>(msg.wParam)) {
            case VK_DOWN:
                Deepest().MoveHighlight(1);
                break;
            case VK_UP:
                Deepest().MoveHighlight(-1);
                break;
            case VK_RIGHT:
                if (OpensSelectableSubMenu(Deepest(), Deepest().Highlighted())) {
                    OpenSubMenu(deepest, Deepest().Highlighted(), true);
                }
                break;
            case VK_LEFT:
                if (deepest > 0) {
                    CloseLevelsAbove(deepest - 1);
                }
                break;
            case VK_RETURN:
                Activate(deepest, Deepest().Highlighted(), true);
                break;
            case VK_ESCAPE:
                if (deepest > 0) {
                    CloseLevelsAbove(deepest - 1);
                } else {
                    finished_ = true;
                }
                break;
            case VK_MENU:
            case VK_F10:
                finished_ = true;
                break;
            default:
                break;
        }
        return true;
    }
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
        const char typed = static_cast<char>(std::tolower(static_cast<int>(msg.wParam & 0x7F)));
        if (const auto item = Deepest().ItemWithAccessKey(typed)) {
            Activate(deepest, *item, true);
        }
        return true;
    }
    return msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
}

bool MenuTracking::Intercept(const MSG& msg) {
    if (msg.message >= WM_MOUSEMOVE && msg.message <= WM_MBUTTONDBLCLK) {
        return HandleMouse(msg);
    }
    if (msg.message >= WM_KEYDOWN && msg.message <= WM_SYSCHAR) {
        return HandleKey(msg);
    }
    return false;
}

}  // namespace win::user
