// The button's input: what the framework and the message hook report becomes a draw state, a
// Value and the events the form hears, in a fixed order.

#include "button/button_tooltip.h"
#include "button/lumbutton.h"
#include "platform/forms/form.h"
#include "platform/forms/services.h"
#include "platform/user/user.h"
#include "platform/user/virtual_keys.h"

namespace quellan {

// ---- raising events ----------------------------------------------------------------------------

void lumbutton::Raise(const std::function<void()>& handler) {
    win::forms::RaiseEvent(handler);
}

void lumbutton::RaiseMouse(const MouseHandler& handler, const LastPress& args) {
    if (!handler) {
        return;
    }
    LastPress copy = args;
    win::forms::RaiseEvent([&] { handler(copy.button, copy.shift, copy.x, copy.y); });
}

void lumbutton::RaiseKey(const KeyHandler& handler, int keyCode, int shift) {
    if (!handler) {
        return;
    }
    auto code = static_cast<std::int16_t>(keyCode);
    auto shiftState = static_cast<std::int16_t>(shift);
    win::forms::RaiseEvent([&] { handler(code, shiftState); });
}

// ---- draw state --------------------------------------------------------------------------------

void lumbutton::SwitchTo(std::int32_t state) {
    if (drawState_ != state) {
        drawState_ = state;
        Redraw();
    }
}

void lumbutton::TakeCapture() const {
    if (win::GetCapture() != window_) {
        win::ReleaseCapture();
        win::SetCapture(window_);
    }
}

// ---- mouse -------------------------------------------------------------------------------------

void lumbutton::UserControl_MouseDown(int button, int shift, float x, float y) {
    lastPress_ = {static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y};
    PressSteps(lastPress_);
}

void lumbutton::PressSteps(const LastPress& press) {
    if (props_.handPointer) {
        SetHandCursor();
    }
    if (press.button != win::forms::vbLeftButton && !dropDown_.MenuSuppressed()) {
        return;
    }
    flags_.hasFocus = true;
    flags_.mouseDown = true;
    if (!flags_.spaceDown) {
        SwitchTo(StateDown);
    }
    if (!dropDown_.MenuSet()) {
        RaiseMouse(MouseDown, press);
    } else if (dropDown_.OpensOnPress()) {
        ShowDropDownMenu();
    }
}

void lumbutton::UserControl_MouseMove(int, int, float, float) {
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    if (props_.handPointer) {
        SetHandCursor();
    }
    if (IsOwnWindow(win::WindowFromPoint(cursor))) {
        flags_.cursorOver = true;
        TrackLeave();
        Raise(MouseEnter);
    } else {
        flags_.cursorOver = false;
    }
    if (flags_.spaceDown) {
        return;
    }
    if (flags_.cursorOver && !flags_.mouseDown) {
        if (drawState_ != StateHot) {
            drawState_ = StateHot;
            Redraw();
            if (drawState_ != StateDown) {
                ShowTooltip();
            }
        }
    } else if (flags_.cursorOver) {
        SwitchTo(StateDown);
    } else {
        SwitchTo(StateNormal);
    }
}

void lumbutton::UserControl_MouseUp(int button, int shift, float x, float y) {
    if (props_.handPointer) {
        SetHandCursor();
    }
    if (dropDown_.OnRelease()) {
        flags_.mouseDown = false;
        drawState_ = StateNormal;
        Redraw();
        return;
    }
    if (button == win::forms::vbLeftButton) {
        flags_.mouseDown = false;
        const bool inside = x > 0 && y > 0 && x < static_cast<float>(ScaleWidth()) &&
                            y < static_cast<float>(ScaleHeight());
        if (inside) {
            if (props_.mode == ModeCheck) {
                props_.value = !props_.value;
                Redraw();
            } else if (props_.mode == ModeOption) {
                UncheckOptionSiblings();
                props_.value = true;
            }
            drawState_ = StateNormal;
            Redraw();
            Raise(Click);
        }
    }
    RaiseMouse(MouseUp,
               {static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y});
}

void lumbutton::UserControl_DblClick() {
    if (props_.handPointer) {
        SetHandCursor();
    }
    if (lastPress_.button != win::forms::vbLeftButton) {
        return;
    }
    win::SetCapture(window_);
    drawState_ = StateDown;
    Redraw();
    PressSteps(lastPress_);
    if (!dropDown_.MenuSet()) {
        Raise(DblClick);
    } else if (dropDown_.OpensOnPress()) {
        ShowDropDownMenu();
    }
}

void lumbutton::OnMouseLeftWindow() {
    flags_.cursorOver = false;
    if (dropDown_.OnMouseLeft()) {
        return;
    }
    if (!flags_.spaceDown) {
        SwitchTo(StateNormal);
        Raise(MouseLeave);
    }
}

void lumbutton::TrackLeave() {
    TrackMouseLeave(window_, leaveTracking_);
}

void lumbutton::ShowTooltip() {
    const TooltipSettings settings{
        .ToolTip = props_.toolTip,
        .TooltipTitle = props_.tooltipTitle,
        .ToolTipIcon = props_.toolTipIcon,
        .ToolTipType = props_.toolTipType,
        .TooltipBackColor = props_.tooltipBackColor,
        .RightToLeft = props_.rightToLeft,
        .isUnicodeOS = flags_.isUnicodeOS,
        .Enabled = props_.enabled,
        .menuSuppressed = dropDown_.MenuSuppressed(),
        .drawState = drawState_,
    };
    CreateTooltip(window_, tooltip_, settings);
}

void lumbutton::ShowDropDownMenu() {
    dropDown_.ShowDropDownMenu(window_, [this] { MenuClosedAway(); });
}

// The menu closed with the cursor elsewhere: the press that opened it is over.
void lumbutton::MenuClosedAway() {
    flags_.mouseDown = false;
    flags_.cursorOver = false;
    flags_.spaceDown = false;
    drawState_ = StateNormal;
    Redraw();
}

// ---- keys --------------------------------------------------------------------------------------

void lumbutton::UserControl_KeyDown(int& keyCode, int shift) {
    switch (keyCode) {
        case win::VK_RETURN:
            Raise(Click);
            break;
        case win::VK_SPACE:
            if (shift == win::forms::vbAltMask) {
                return;
            }
            SpaceKeyDown();
            break;
        case win::VK_LEFT:
        case win::VK_UP:
            win::forms::SendKeys("+{TAB}");
            break;
        case win::VK_RIGHT:
        case win::VK_DOWN:
            win::forms::SendKeys("{TAB}");
            break;
        default:
            if (flags_.spaceDown) {
                flags_.spaceDown = false;
                drawState_ = StateNormal;
                Redraw();
            }
            break;
    }
    RaiseKey(KeyDown, keyCode, shift);
}

// Every repeat of a held space bar comes here too. Only the first key-down of a press changes
// Value: a repeat toggling it again would leave a check button in whatever state the key's
// repeat count happened to give.
void lumbutton::SpaceKeyDown() {
    if (flags_.mouseDown) {
        SwitchTo(flags_.cursorOver ? StateDown : StateNormal);
    } else {
        const bool repeat = flags_.spaceDown;
        flags_.spaceDown = true;
        if (!repeat && props_.mode == ModeCheck) {
            props_.value = !props_.value;
        } else if (!repeat && props_.mode == ModeOption) {
            UncheckOptionSiblings();
            props_.value = true;
        }
        SwitchTo(StateDown);
    }
    TakeCapture();
}

void lumbutton::UserControl_KeyPress(int& keyAscii) {
    if (!KeyPress) {
        return;
    }
    auto character = static_cast<std::int16_t>(keyAscii);
    win::forms::RaiseEvent([&] { KeyPress(character); });
}

void lumbutton::UserControl_KeyUp(int& keyCode, int shift) {
    if (keyCode != win::VK_SPACE) {
        return;
    }
    win::ReleaseCapture();
    if (flags_.cursorOver && flags_.mouseDown) {
        SwitchTo(StateDown);
    } else {
        SwitchTo(flags_.cursorOver ? StateHot : StateNormal);
        if (!flags_.mouseDown && flags_.spaceDown) {
            Raise(Click);
        }
    }
    RaiseKey(KeyUp, keyCode, shift);
    flags_.spaceDown = false;
    flags_.mouseDown = false;
}

void lumbutton::UserControl_AccessKeyPress(int keyAscii) {
    if (!props_.enabled) {
        return;
    }
    if (flags_.spaceDown) {
        flags_.spaceDown = false;
        flags_.mouseDown = false;
    }
    const bool enterOrEscape = keyAscii == win::VK_ESCAPE || keyAscii == win::VK_RETURN;
    if (props_.mode == ModeCheck) {
        if (enterOrEscape) {
            return;
        }
        props_.value = !props_.value;
        if (!props_.value) {
            drawState_ = StateNormal;
        }
        Redraw();
    } else if (props_.mode == ModeOption) {
        if (enterOrEscape) {
            return;
        }
        UncheckOptionSiblings();
        props_.value = true;
        Redraw();
    }
    win::forms::DoEvents();
    Raise(Click);
}

// ---- focus and activation ----------------------------------------------------------------------

void lumbutton::UserControl_GotFocus() {
    flags_.hasFocus = true;
}

void lumbutton::UserControl_LostFocus() {
    flags_.hasFocus = false;
    flags_.mouseDown = false;
    flags_.spaceDown = false;
    drawState_ = flags_.parentActive && flags_.cursorOver ? StateHot : StateNormal;
    Redraw();
    if (flags_.displayAsDefault) {
        Redraw();
    }
}

void lumbutton::OnParentActivated() {
    flags_.parentActive = true;
    drawState_ = StateNormal;
    if (flags_.displayAsDefault) {
        Redraw();
    }
    Redraw();
}

void lumbutton::OnParentDeactivated() {
    flags_.mouseDown = false;
    flags_.spaceDown = false;
    flags_.hasFocus = false;
    flags_.parentActive = false;
    drawState_ = StateNormal;
    Redraw();
}

// ---- option groups -----------------------------------------------------------------------------

// Only buttons in the same container form a group; a frame on the form starts a group of its own.
void lumbutton::UncheckOptionSiblings() {
    const win::HWND container = ContainerWindow();
    for (win::forms::Control* control : Owner().AllControls()) {
        auto* sibling = dynamic_cast<lumbutton*>(control);
        if (sibling == nullptr || sibling == this) {
            continue;
        }
        if (sibling->ContainerWindow() == container && sibling->props_.mode == ModeOption &&
            sibling->hWnd() != hWnd()) {
            sibling->SetValue(false);
        }
    }
}

}  // namespace quellan
