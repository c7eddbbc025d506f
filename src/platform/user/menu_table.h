#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/user/menus.h"

namespace win::user {

struct MenuItem {
    UINT flags = 0;
    UINT_PTR id = 0;
    std::string text;
    // MF_POPUP: the menu the item opens; it has no command of its own.
    HMENU subMenu;

    bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
    bool OpensSubMenu() const { return (flags & MF_POPUP) != 0; }
    bool IsSelectable() const { return !IsSeparator() && !(flags & (MF_GRAYED | MF_DISABLED)); }
};

struct Menu {
    std::vector<MenuItem> items;
};

// Menus live apart from windows: a form may build its menus before it has a window.
using MenuTable = std::unordered_map<HMENU, Menu>;

// In the attached session's table; null (and no menu) while no host is attached.
Menu* FindMenu(HMENU handle);
HMENU AddMenu();
bool RemoveMenu(HMENU handle);

}  // namespace win::user
