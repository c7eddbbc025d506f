#include "platform/user/menu_table.h"

#include <unordered_map>

namespace win::user {

namespace {

struct MenuTable {
    std::unordered_map<HMENU, Menu> menus;
    LONG_PTR next = 0x20010;
};

MenuTable& Table() {
    static MenuTable table;
    return table;
}

}  // namespace

Menu* FindMenu(HMENU handle) {
    auto& menus = Table().menus;
    auto found = menus.find(handle);
    return found == menus.end() ? nullptr : &found->second;
}

HMENU AddMenu() {
    MenuTable& table = Table();
    const HMENU handle = HMENU::FromValue(table.next);
    table.next += 2;
    table.menus.emplace(handle, Menu{});
    return handle;
}

bool RemoveMenu(HMENU handle) {
    return Table().menus.erase(handle) > 0;
}

}  // namespace win::user
