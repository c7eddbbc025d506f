#pragma once

#include <string>
#include <vector>

#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win::controls {

struct MenuItem {
    UINT flags = 0;
    UINT_PTR id = 0;
    std::string text;

    bool IsSeparator() const;
    // Can be highlighted and chosen.
    bool IsSelectable() const;
};

// The items of every live menu, by handle.
class MenuTable {
public:
    HMENU Create();
    bool Destroy(HMENU menu);
    // Null for a handle that names no live menu.
    std::vector<MenuItem>* Find(HMENU menu);

private:
    struct Entry {
        HMENU handle;
        std::vector<MenuItem> items;
    };
    std::vector<Entry> menus_;
    LONG_PTR nextHandle_ = 0x10001;
};

MenuTable& Menus();

// The next selectable item from `from` going `step` (+1 or -1) round the ends; -1 when none is
// selectable. From -1 going down starts at the first item, going up at the last.
int NextSelectableItem(const std::vector<MenuItem>& items, int from, int step);

}  // namespace win::controls
