#pragma once

#include <optional>
#include <vector>

#include "platform/gdi/gdi_handle.h"
#include "platform/user/menu_table.h"
#include "platform/user/messaging.h"
#include "platform/user/window_procedure.h"

namespace win::user {

// The pop-up window of one TrackPopupMenu call: lays the items out, draws them, and turns the
// input of the menu loop into a highlighted item and, in the end, a choice.
class MenuPopup {
public:
    MenuPopup(const Menu& menu, UINT flags);
    ~MenuPopup();
    MenuPopup(const MenuPopup&) = delete;
    MenuPopup& operator=(const MenuPopup&) = delete;

    // Creates and shows the window near (x, y), kept on the screen; false if it cannot.
    bool Open(int x, int y, HWND owner);
    HWND Window() const { return window_; }
    bool Closed() const { return closed_; }
    std::optional<UINT_PTR> Choice() const { return choice_; }
    // Handles the loop's input messages; false for a message to dispatch as usual.
    bool Intercept(const MSG& msg);

private:
    LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void Paint();
    int ItemAt(POINT client) const;
    void Highlight(int index);
    void MoveHighlight(int step);
    void Choose(int index);
    void Close();
    bool HandleMouse(const MSG& msg);
    bool HandleKey(const MSG& msg);

    std::vector<MenuItem> items_;
    UINT flags_;
    std::vector<RECT> rects_;
    SIZE size_{};
    HFONT font_;
    WindowProcedure procedure_;
    HWND window_;
    int highlighted_ = -1;
    bool closed_ = false;
    std::optional<UINT_PTR> choice_;
};

}  // namespace win::user
