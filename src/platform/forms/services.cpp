#include "platform/forms/services.h"

#include <optional>

#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/user/messaging.h"
#include "platform/user/shell_execute.h"
#include "platform/user/user.h"

namespace win::forms {
namespace {

// The window manager's show command for a started program's window style.
int ShowCommandOf(int windowStyle) {
    switch (windowStyle) {
        case vbHide:
            return SW_HIDE;
        case vbMinimizedFocus:
            return SW_SHOWMINIMIZED;
        case vbMinimizedNoFocus:
            return SW_SHOWMINNOACTIVE;
        case vbMaximizedFocus:
            return SW_SHOWMAXIMIZED;
        case vbNormalNoFocus:
            return SW_SHOWNOACTIVATE;
        default:
            return SW_SHOWNORMAL;
    }
}

// ShellExecute's results above this mean success.
constexpr LONG_PTR kShellSucceededAbove = 32;

enum class Key { Tab, BackTab, Enter, Escape };

struct Keystroke {
    std::optional<Key> key;
    char typed = 0;
};

// Splits the keys into strokes; nothing for a text it does not understand.
std::optional<std::vector<Keystroke>> ParseKeys(std::string_view keys) {
    std::vector<Keystroke> strokes;
    while (!keys.empty()) {
        bool shift = false;
        if (keys.front() == '+' && keys.size() > 1) {
            shift = true;
            keys.remove_prefix(1);
        }
        if (keys.front() == '{') {
            const auto close = keys.find('}');
            if (close == std::string_view::npos) {
                return std::nullopt;
            }
            const std::string_view name = keys.substr(1, close - 1);
            keys.remove_prefix(close + 1);
            if (name == "TAB") {
                strokes.push_back({shift ? Key::BackTab : Key::Tab});
            } else if (name == "ENTER" && !shift) {
                strokes.push_back({Key::Enter});
            } else if ((name == "ESC" || name == "ESCAPE") && !shift) {
                strokes.push_back({Key::Escape});
            } else {
                return std::nullopt;
            }
        } else if (keys.front() == '~' && !shift) {
            strokes.push_back({Key::Enter});
            keys.remove_prefix(1);
        } else if (!shift) {
            strokes.push_back({std::nullopt, keys.front()});
            keys.remove_prefix(1);
        } else {
            return std::nullopt;
        }
    }
    return strokes;
}

Form* FocusedForm() {
    HWND focus = GetFocus();
    HWND top = focus ? GetAncestor(focus, GA_ROOT) : GetActiveWindow();
    for (Form* form : App().Forms()) {
        if (form->IsLoaded() && form->ContainerHwnd() == top) {
            return form;
        }
    }
    return nullptr;
}

Control* FocusedControl(Form& form) {
    const HWND focus = GetFocus();
    for (Control* control : form.AllControls()) {
        const HWND window = control->hWnd();
        if (window && focus && (window == focus || IsChild(window, focus))) {
            return control;
        }
    }
    return nullptr;
}

}  // namespace

bool SendKeys(std::string_view keys) {
    auto strokes = ParseKeys(keys);
    Form* form = FocusedForm();
    if (!strokes || !form || App().Ended()) {
        return false;
    }
    for (const Keystroke& stroke : *strokes) {
        if (App().Ended()) {
            break;
        }
        if (!stroke.key) {
            if (HWND focus = GetFocus()) {
                SendMessage(focus, WM_CHAR, static_cast<unsigned char>(stroke.typed), 1);
            }
            continue;
        }
        switch (*stroke.key) {
            case Key::Tab:
                form->MoveFocus(false);
                break;
            case Key::BackTab:
                form->MoveFocus(true);
                break;
            case Key::Enter:
                form->HandleFormKey(VK_RETURN, false, FocusedControl(*form));
                break;
            case Key::Escape:
                form->HandleFormKey(VK_ESCAPE, false, FocusedControl(*form));
                break;
        }
    }
    return true;
}

void DoEvents() {
    if (!App().Ended()) {
        ProcessPendingMessages();
    }
}

bool Shell(const std::vector<std::string>& argv, int windowStyle) {
    return ShellExecuteProcess(nullptr, argv, ShowCommandOf(windowStyle)) > kShellSucceededAbove;
}

bool OpenUrl(std::string_view url) {
    return ShellExecute(nullptr, "open", url, "", "", SW_SHOWNORMAL) > kShellSucceededAbove;
}

}  // namespace win::forms
