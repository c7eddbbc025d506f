#include "platform/user/menus.h"

#include "platform/user/menu_table.h"

namespace win {

namespace {

user::MenuItem* FindItem(HMENU hMenu, UINT item, UINT flags) {
    user::Menu* menu = user::FindMenu(hMenu);
    if (menu == nullptr) {
        return nullptr;
    }
    if (flags & MF_BYPOSITION) {
        return item < menu->items.size() ? &menu->items[item] : nullptr;
    }
    for (user::MenuItem& candidate : menu->items) {
        if (!candidate.IsSeparator() && candidate.id == item) {
            return &candidate;
        }
    }
    return nullptr;
}

}  // namespace

HMENU CreatePopupMenu() {
    return user::AddMenu();
}

bool DestroyMenu(HMENU hMenu) {
    return user::RemoveMenu(hMenu);
}

bool IsMenu(HMENU hMenu) {
    return user::FindMenu(hMenu) != nullptr;
}

bool AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, std::string_view lpNewItem) {
    user::Menu* menu = user::FindMenu(hMenu);
    if (menu == nullptr || (uFlags & MF_POPUP)) {
        return false;
    }
    user::MenuItem item;
    item.flags = uFlags;
    item.id = (uFlags & MF_SEPARATOR) ? 0 : uIDNewItem;
    item.text = (uFlags & MF_SEPARATOR) ? std::string() : std::string(lpNewItem);
    menu->items.push_back(std::move(item));
    return true;
}

int GetMenuItemCount(HMENU hMenu) {
    const user::Menu* menu = user::FindMenu(hMenu);
    return menu ? static_cast<int>(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos) {
    const user::Menu* menu = user::FindMenu(hMenu);
    if (menu == nullptr || nPos < 0 || static_cast<std::size_t>(nPos) >= menu->items.size()) {
        return static_cast<UINT>(-1);
    }
    return static_cast<UINT>(menu->items[static_cast<std::size_t>(nPos)].id);
}

std::string GetMenuString(HMENU hMenu, UINT uIDItem, UINT flags) {
    const user::MenuItem* item = FindItem(hMenu, uIDItem, flags);
    return item ? item->text : std::string();
}

UINT EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    user::MenuItem* item = FindItem(hMenu, uIDEnableItem, uEnable);
    if (item == nullptr) {
        return static_cast<UINT>(-1);
    }
    const UINT previous = item->flags & (MF_GRAYED | MF_DISABLED);
    item->flags =
        (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (uEnable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
    user::MenuItem* item = FindItem(hMenu, uIDCheckItem, uCheck);
    if (item == nullptr) {
        return static_cast<DWORD>(-1);
    }
    const DWORD previous = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~MF_CHECKED) | (uCheck & MF_CHECKED);
    return previous;
}

}  // namespace win
