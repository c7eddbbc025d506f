#include "platform/user/menus.h"

#include <algorithm>
#include <vector>

#include "platform/user/menu_table.h"

namespace win {

namespace {

user::MenuItem* FindCommand(user::Menu& menu, UINT command, std::vector<const user::Menu*>& seen) {
    if (std::find(seen.begin(), seen.end(), &menu) != seen.end()) {
        return nullptr;
    }
    seen.push_back(&menu);
    for (user::MenuItem& candidate : menu.items) {
        if (candidate.OpensSubMenu()) {
            if (user::Menu* sub = user::FindMenu(candidate.subMenu)) {
                if (user::MenuItem* found = FindCommand(*sub, command, seen)) {
                    return found;
                }
            }
        } else if (!candidate.IsSeparator() && candidate.id == command) {
            return &candidate;
        }
    }
    return nullptr;
}

user::MenuItem* FindItem(HMENU hMenu, UINT item, UINT flags) {
    user::Menu* menu = user::FindMenu(hMenu);
    if (menu == nullptr) {
        return nullptr;
    }
    if (flags & MF_BYPOSITION) {
        return item < menu->items.size() ? &menu->items[item] : nullptr;
    }
    std::vector<const user::Menu*> seen;
    return FindCommand(*menu, item, seen);
}

bool Contains(HMENU outer, HMENU inner) {
    if (outer == inner) {
        return true;
    }
    const user::Menu* menu = user::FindMenu(outer);
    if (menu == nullptr) {
        return false;
    }
    return std::any_of(menu->items.begin(), menu->items.end(), [&](const user::MenuItem& item) {
        return item.OpensSubMenu() && Contains(item.subMenu, inner);
    });
}

}  // namespace

HMENU CreatePopupMenu() {
    return user::AddMenu();
}

bool DestroyMenu(HMENU hMenu) {
    const user::Menu* menu = user::FindMenu(hMenu);
    if (menu == nullptr) {
        return false;
    }
    std::vector<HMENU> subMenus;
    for (const user::MenuItem& item : menu->items) {
        if (item.OpensSubMenu()) {
            subMenus.push_back(item.subMenu);
        }
    }
    user::RemoveMenu(hMenu);
    for (HMENU sub : subMenus) {
        DestroyMenu(sub);
    }
    return true;
}

bool IsMenu(HMENU hMenu) {
    return user::FindMenu(hMenu) != nullptr;
}

bool AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, std::string_view lpNewItem) {
    user::Menu* menu = user::FindMenu(hMenu);
    if (menu == nullptr) {
        return false;
    }
    user::MenuItem item;
    item.flags = uFlags;
    if (uFlags & MF_POPUP) {
        item.subMenu = HMENU::FromValue(static_cast<LONG_PTR>(uIDNewItem));
        // A menu inside itself would open, and be destroyed, without end.
        if (!IsMenu(item.subMenu) || Contains(item.subMenu, hMenu)) {
            return false;
        }
    } else if (!(uFlags & MF_SEPARATOR)) {
        item.id = uIDNewItem;
    }
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
    const user::MenuItem& item = menu->items[static_cast<std::size_t>(nPos)];
    return item.OpensSubMenu() ? static_cast<UINT>(-1) : static_cast<UINT>(item.id);
}

HMENU GetSubMenu(HMENU hMenu, int nPos) {
    const user::Menu* menu = user::FindMenu(hMenu);
    if (menu == nullptr || nPos < 0 || static_cast<std::size_t>(nPos) >= menu->items.size()) {
        return nullptr;
    }
    const user::MenuItem& item = menu->items[static_cast<std::size_t>(nPos)];
    return item.OpensSubMenu() ? item.subMenu : HMENU{};
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
