#include "platform/controls/menu_table.h"
#include "platform/controls/popup_menu.h"

namespace win {

namespace {
constexpr UINT kMfPopup = 0x0010;
constexpr UINT kSupportedFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR;
}  // namespace

HMENU CreatePopupMenu() {
    return controls::Menus().Create();
}

bool AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, std::string_view lpNewItem) {
    auto* items = controls::Menus().Find(hMenu);
    if (items == nullptr || (uFlags & kMfPopup) != 0 || (uFlags & ~kSupportedFlags) != 0) {
        return false;
    }
    controls::MenuItem item{uFlags, uIDNewItem, std::string(lpNewItem)};
    if (item.IsSeparator()) {
        item.text.clear();
    }
    items->push_back(std::move(item));
    return true;
}

bool DestroyMenu(HMENU hMenu) {
    return controls::Menus().Destroy(hMenu);
}

bool IsMenu(HMENU hMenu) {
    return controls::Menus().Find(hMenu) != nullptr;
}

int GetMenuItemCount(HMENU hMenu) {
    const auto* items = controls::Menus().Find(hMenu);
    return items == nullptr ? -1 : static_cast<int>(items->size());
}

}  // namespace win
