#pragma once

// The drop-down menu a button can carry, and the flags that keep a press that closed it from
// opening it again at once.
//
// The button keeps one DropDownMenu and uses it from its handlers:
//   SetPopupMenu / UnsetPopupMenu   its public methods of the same names (UnsetPopupMenu also
//                                   when it is destroyed);
//   mouse press, left button:       if MenuSet(), no MouseDown; ShowDropDownMenu when
//                                   OpensOnPress() (double click likewise);
//   mouse left the window (hook):   if OnMouseLeft() returns true, stop there;
//   mouse release:                  if OnRelease() returns true: mouseDown off, draw normal, stop.
// ShowDropDownMenu's closedAway callback is the button's part of a menu closed elsewhere than
// over it: mouseDown, cursorOver and spaceDown off, draw state normal, redraw.

#include <cstdint>
#include <functional>

#include "platform/forms/menu.h"
#include "platform/user/user_types.h"

namespace quellan {

// Popup-menu alignment flags: the menu's right edge at X, its bottom edge at Y.
inline constexpr std::int32_t kMenuRightAlign = 8;
inline constexpr std::int32_t kMenuBottomAlign = 32;

class DropDownMenu {
public:
    // Only a menu of the forms is kept; none, or any other control, changes nothing.
    // DefaultMenu is accepted and has no effect.
    void SetPopupMenu(win::forms::Control* Menu, std::int32_t Align, std::int32_t FLAGS,
                      win::forms::Control* DefaultMenu = nullptr);
    void UnsetPopupMenu();

    // Opens the menu against the control window by Align and returns once it has closed.
    void ShowDropDownMenu(win::HWND control, const std::function<void()>& closedAway);

    bool OpensOnPress() const { return menuSet_ && !menuSuppressed_; }
    // The leave notice of the menu taking the mouse: it turns into the suppression of the next
    // press, and the caller raises nothing. False for an ordinary leave (which re-arms the menu).
    bool OnMouseLeft();
    // A release with a menu set re-arms it; the caller then draws normal and raises nothing.
    bool OnRelease();

    win::forms::Menu* Menu() const { return menu_; }
    std::int32_t Align() const { return align_; }
    std::int32_t Flags() const { return flags_; }
    bool MenuSet() const { return menuSet_; }
    bool MenuSuppressed() const { return menuSuppressed_; }
    bool MenuOpening() const { return menuOpening_; }

private:
    win::forms::Menu* menu_ = nullptr;
    std::int32_t align_ = 0;
    std::int32_t flags_ = 0;
    bool menuSet_ = false;
    bool menuSuppressed_ = false;
    bool menuOpening_ = false;
};

}  // namespace quellan
