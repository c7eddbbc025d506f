#pragma once

#include <optional>
#include <vector>

#include "platform/gdi/gdi_handle.h"
#include "platform/user/menu_table.h"
#include "platform/user/messaging.h"
#include "platform/user/window_procedure.h"

namespace win::user {

// The pop-up window of one menu level: lays the items out, draws them with the highlighted one,
// and says which item lies under a screen point.
class MenuPopup {
public:
    MenuPopup(const Menu& menu, UINT flags);
    ~MenuPopup();
    MenuPopup(const MenuPopup&) = delete;
    MenuPopup& operator=(const MenuPopup&) = delete;

    SIZE Size();
    // Creates and shows the window near (x, y), kept on the screen; false if it cannot.
    bool Open(int x, int y, HWND owner);
    HWND Window() const { return window_; }
    // The desktop or another window took the menu's capture away, or cancelled it.
    bool Cancelled() const { return cancelled_; }

    int ItemCount() const { return static_cast<int>(items_.size()); }
    const MenuItem& Item(int index) const { return items_[static_cast<std::size_t>(index)]; }
    bool Contains(POINT screen) const;
    // -1 over a separator or outside.
    int ItemAt(POINT screen) const;
    RECT ItemScreenRect(int index) const;
    std::optional<int> ItemWithAccessKey(char key) const;
    int Highlighted() const { return highlighted_; }
    void Highlight(int index);
    void MoveHighlight(int step);

private:
    LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void Paint();
    POINT ToClient(POINT screen) const;

    std::vector<MenuItem> items_;
    UINT flags_;
    std::vector<RECT> rects_;
    SIZE size_{};
    bool laidOut_ = false;
    HFONT font_;
    WindowProcedure procedure_;
    HWND window_;
    int highlighted_ = -1;
    bool cancelled_ = false;
};

}  // namespace win::user
