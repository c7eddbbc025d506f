#include "button/drop_down_menu.h"

#include <optional>

#include "platform/user/user.h"

namespace quellan {

using namespace win;

namespace {

struct MenuPlacement {
    POINT point;
    std::int32_t flags;
};

// Where the menu's corner goes in the control's coordinates, and the flags that put it there.
// Some alignments rewrite the stored flags for good.
std::optional<MenuPlacement> PlaceMenu(std::int32_t align, std::int32_t& storedFlags, int width,
                                       int height) {
    switch (align) {
        case 0:
            return MenuPlacement{{0, height}, storedFlags};
        case 1:
            storedFlags = kMenuBottomAlign;
            return MenuPlacement{{0, 0}, storedFlags};
        case 2:
            storedFlags |= kMenuRightAlign;
            return MenuPlacement{{0, 0}, storedFlags};
        case 3:
            return MenuPlacement{{width, 0}, storedFlags};
        case 4:
            storedFlags = kMenuRightAlign | kMenuBottomAlign;
            return MenuPlacement{{0, 0}, storedFlags};
        case 5:
            storedFlags |= kMenuRightAlign;
            return MenuPlacement{{0, height}, storedFlags};
        case 6:
            storedFlags = kMenuBottomAlign;
            return MenuPlacement{{width, 0}, storedFlags};
        case 7:
            return MenuPlacement{{width, height}, storedFlags};
        default:
            return std::nullopt;
    }
}

}  // namespace

void DropDownMenu::SetPopupMenu(forms::Control* Menu, std::int32_t Align, std::int32_t FLAGS,
                                forms::Control* /*DefaultMenu*/) {
    auto* menu = dynamic_cast<forms::Menu*>(Menu);
    if (menu == nullptr) {
        return;
    }
    menu_ = menu;
    align_ = Align;
    flags_ = FLAGS;
    menuSet_ = true;
}

void DropDownMenu::UnsetPopupMenu() {
    menu_ = nullptr;
    menuSet_ = false;
    menuSuppressed_ = false;
}

void DropDownMenu::ShowDropDownMenu(HWND control, const std::function<void()>& closedAway) {
    if (menu_ == nullptr) {
        return;
    }
    RECT bounds{};
    GetWindowRect(control, &bounds);
    menuOpening_ = true;
    const auto placement =
        PlaceMenu(align_, flags_, bounds.right - bounds.left, bounds.bottom - bounds.top);
    if (!placement) {
        menuOpening_ = false;
        return;
    }
    forms::ShowPopupMenu(*menu_, control, placement->point, static_cast<UINT>(placement->flags));

    POINT cursor{};
    GetCursorPos(&cursor);
    if (IsWindow(control) && WindowFromPoint(cursor) == control) {
        menuSuppressed_ = true;
        return;
    }
    menuSuppressed_ = false;
    menuOpening_ = false;
    if (closedAway) {
        closedAway();
    }
}

bool DropDownMenu::OnMouseLeft() {
    if (!menuSet_) {
        return false;
    }
    if (menuOpening_) {
        menuOpening_ = false;
        menuSuppressed_ = true;
        return true;
    }
    menuSuppressed_ = false;
    return false;
}

bool DropDownMenu::OnRelease() {
    if (!menuSet_) {
        return false;
    }
    menuSuppressed_ = false;
    return true;
}

}  // namespace quellan
