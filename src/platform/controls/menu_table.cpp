#include "platform/controls/menu_table.h"

#include <algorithm>

#include "platform/controls/popup_menu.h"

namespace win::controls {

bool MenuItem::IsSeparator() const {
    return (flags & MF_SEPARATOR) != 0;
}

bool MenuItem::IsSelectable() const {
    return !IsSeparator() && (flags & (MF_GRAYED | MF_DISABLED)) == 0;
}

HMENU MenuTable::Create() {
    const HMENU handle = HMENU::FromValue(nextHandle_++);
    menus_.push_back({handle, {}});
    return handle;
}

bool MenuTable::Destroy(HMENU menu) {
    const auto found = std::find_if(menus_.begin(), menus_.end(),
                                    [menu](const Entry& entry) { return entry.handle == menu; });
    if (found == menus_.end()) {
        return false;
    }
    menus_.erase(found);
    return true;
}

std::vector<MenuItem>* MenuTable::Find(HMENU menu) {
    for (Entry& entry : menus_) {
        if (menu && entry.handle == menu) {
            return &entry.items;
        }
    }
    return nullptr;
}

MenuTable& Menus() {
    static MenuTable table;
    return table;
}

int NextSelectableItem(const std::vector<MenuItem>& items, int from, int step) {
    const int count = static_cast<int>(items.size());
    if (count == 0) {
        return -1;
    }
    int index = from;
    if (index < 0) {
        index = step > 0 ? -1 : count;
    }
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        if (items[static_cast<std::size_t>(index)].IsSelectable()) {
            return index;
        }
    }
    return -1;
}

}  // namespace win::controls
