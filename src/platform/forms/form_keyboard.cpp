#include <algorithm>

#include "platform/forms/command_button.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/user/user.h"

namespace win::forms {
namespace {

bool HoldsFocus(const Control& control, HWND focus) {
    const HWND window = control.hWnd();
    return window && focus && (window == focus || IsChild(window, focus));
}

}  // namespace

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    for (Control* control : AllControls()) {
        if (control->CanTakeFocus()) {
            order.push_back(control);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->geometry_.tabIndex < b->geometry_.tabIndex;
    });
    return order;
}

void Form::MoveFocus(bool backwards) {
    const std::vector<Control*> order = TabOrder();
    if (order.empty()) {
        return;
    }
    const HWND focus = GetFocus();
    auto current = std::find_if(order.begin(), order.end(),
                                [focus](const Control* c) { return HoldsFocus(*c, focus); });
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t next = 0;
    if (current == order.end()) {
        next = backwards ? count - 1 : 0;
    } else {
        const std::ptrdiff_t at = current - order.begin();
        next = (at + (backwards ? count - 1 : 1)) % count;
    }
    SetFocus(order[static_cast<std::size_t>(next)]->hWnd());
}

bool Form::HandleFormKey(int virtualKey, bool alt, Control* from) {
    if (alt) {
        if (virtualKey < 0x20 || virtualKey > 0x7E) {
            return false;
        }
        for (Control* control : AllControls()) {
            const char key = static_cast<char>(virtualKey);
            if (control->MatchesAccessKey(key) && control->geometry_.visible &&
                control->geometry_.enabled) {
                control->OnAccessKey(key);
                return true;
            }
        }
        return false;
    }
    switch (virtualKey) {
        case VK_TAB:
            MoveFocus(GetKeyState(VK_SHIFT) < 0);
            return true;
        case VK_RETURN:
            if (from && from->OwnsEnterKey()) {
                return false;
            }
            if (auto* button = dynamic_cast<CommandButton*>(from)) {
                button->PerformClick();
                return true;
            }
            if (props_.defaultButton) {
                props_.defaultButton->OnDefaultKey('\r');
                return true;
            }
            return false;
        case VK_ESCAPE:
            if (props_.cancelButton) {
                props_.cancelButton->OnDefaultKey(0x1B);
                return true;
            }
            return false;
        default:
            return false;
    }
}

// Passes the focus to the first control after this one, in declaration order, that takes it.
void FocusAfter(const Control& control) {
    const std::vector<Control*> all = control.Owner().AllControls();
    auto it = std::find(all.begin(), all.end(), &control);
    for (; it != all.end(); ++it) {
        if (*it != &control && (*it)->hWnd() && IsWindowEnabled((*it)->hWnd()) &&
            IsWindowVisible((*it)->hWnd())) {
            SetFocus((*it)->hWnd());
            return;
        }
    }
}

}  // namespace win::forms
