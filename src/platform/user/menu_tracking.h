#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/user/menu_popup.h"

namespace win::user {

// One TrackPopupMenu call: the menu and the sub-menus open from it, one level above the other,
// and the loop's input turned into highlights, opened and closed levels and, in the end, a
// choice. The first level holds the mouse capture for all of them.
class MenuTracking {
public:
    MenuTracking(const Menu& menu, UINT flags, HWND owner);

    bool Open(int x, int y);
    bool Done() const;
    HWND Window() const;
    std::optional<UINT_PTR> Choice() const { return choice_; }
    // Handles the loop's input messages; false for a message to dispatch as usual.
    bool Intercept(const MSG& msg);
    void CloseAll();

private:
    MenuPopup& Deepest() { return *levels_.back(); }
    std::size_t DeepestLevel() const { return levels_.size() - 1; }
    std::optional<std::size_t> LevelAt(POINT screen) const;
    void PointAt(std::size_t level, int item);
    // Enter, a click or an access key on an item: a sub-menu opens, a command is chosen.
    void Activate(std::size_t level, int item, bool byKeyboard);
    void OpenSubMenu(std::size_t level, int item, bool highlightFirst);
    void CloseLevelsAbove(std::size_t level);
    bool HandleMouse(const MSG& msg);
    bool HandleKey(const MSG& msg);

    UINT flags_;
    HWND owner_;
    std::vector<std::unique_ptr<MenuPopup>> levels_;
    bool finished_ = false;
    std::optional<UINT_PTR> choice_;
};

}  // namespace win::user
