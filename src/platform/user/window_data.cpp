#include "platform/user/window_data.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "platform/user/class_registry.h"
#include "platform/user/last_error.h"
#include "platform/user/messaging.h"
#include "platform/user/session.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

namespace win {

namespace {

user::Window* Find(HWND hWnd) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    }
    return window;
}

bool InExtraBytes(const user::Window& window, int index) {
    return index >= 0 &&
           static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= window.extraBytes.size();
}

LONG_PTR ChangeStyle(HWND hWnd, int index, DWORD requested) {
    user::Session* session = user::Current();
    user::Window* window = session->Get(hWnd);
    const DWORD old = index == GWL_STYLE ? window->style : window->exStyle;
    STYLESTRUCT change{old, requested};
    SendMessage(hWnd, WM_STYLECHANGING, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(&change));
    if ((window = session->Get(hWnd)) == nullptr) {
        return old;
    }
    (index == GWL_STYLE ? window->style : window->exStyle) = change.styleNew;
    if (index == GWL_EXSTYLE && ((old ^ change.styleNew) & WS_EX_TOPMOST)) {
        user::PlaceInStackingBand(*session, *window);
    }
    user::MatchNativeWindow(*session, *window);
    SendMessage(hWnd, WM_STYLECHANGED, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(&change));
    return static_cast<LONG_PTR>(old);
}

bool SameName(std::string_view stored, std::string_view name) {
    return stored.size() == name.size() &&
           std::equal(stored.begin(), stored.end(), name.begin(), [](char a, unsigned char b) {
               return a == static_cast<char>(std::tolower(b));
           });
}

// Stored names are lower case; looked up without building a lower-case copy, since the hooks
// read a property on every message.
std::vector<std::pair<std::string, LONG_PTR>>::iterator FindProperty(user::Window& window,
                                                                     std::string_view name) {
    return std::find_if(window.properties.begin(), window.properties.end(),
                        [&](const auto& property) { return SameName(property.first, name); });
}

}  // namespace

LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex) {
    user::Window* window = Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    switch (nIndex) {
        case GWL_WNDPROC:
            return window->procedure.ToLongPtr();
        case GWL_STYLE:
            return static_cast<LONG_PTR>(window->style);
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(window->exStyle);
        case GWLP_ID:
            return window->id;
        case GWLP_USERDATA:
            return window->userData;
        case GWLP_HWNDPARENT:
            return window->IsChild() ? window->parent.Value() : window->owner.Value();
        case GWLP_HINSTANCE:
            return 0;
        default:
            break;
    }
    if (!InExtraBytes(*window, nIndex)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    LONG_PTR value = 0;
    std::memcpy(&value, window->extraBytes.data() + nIndex, sizeof(value));
    return value;
}

LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    user::Window* window = Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    LONG_PTR previous = 0;
    switch (nIndex) {
        case GWL_WNDPROC:
            previous = window->procedure.ToLongPtr();
            window->procedure = WNDPROC::FromLongPtr(dwNewLong);
            return previous;
        case GWL_STYLE:
        case GWL_EXSTYLE:
            return ChangeStyle(hWnd, nIndex, static_cast<DWORD>(dwNewLong));
        case GWLP_ID:
            previous = window->id;
            window->id = dwNewLong;
            return previous;
        case GWLP_USERDATA:
            previous = window->userData;
            window->userData = dwNewLong;
            return previous;
        case GWLP_HWNDPARENT:
            if (window->IsChild()) {
                break;
            }
            previous = window->owner.Value();
            window->owner = HWND::FromValue(dwNewLong);
            user::MatchNativeWindow(*user::Current(), *window);
            return previous;
        default:
            if (InExtraBytes(*window, nIndex)) {
                std::memcpy(&previous, window->extraBytes.data() + nIndex, sizeof(previous));
                std::memcpy(window->extraBytes.data() + nIndex, &dwNewLong, sizeof(dwNewLong));
                return previous;
            }
            break;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG GetWindowLong(HWND hWnd, int nIndex) {
    return static_cast<LONG>(GetWindowLongPtr(hWnd, nIndex));
}

LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong) {
    // Styles are 32-bit values: keep them unsigned rather than sign-extended.
    const LONG_PTR value = (nIndex == GWL_STYLE || nIndex == GWL_EXSTYLE)
                               ? static_cast<LONG_PTR>(static_cast<DWORD>(dwNewLong))
                               : static_cast<LONG_PTR>(dwNewLong);
    return static_cast<LONG>(SetWindowLongPtr(hWnd, nIndex, value));
}

bool SetWindowText(HWND hWnd, std::string_view lpString) {
    if (Find(hWnd) == nullptr) {
        return false;
    }
    const std::string text(lpString);
    return SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

int GetWindowText(HWND hWnd, char* lpString, int nMaxCount) {
    if (Find(hWnd) == nullptr || lpString == nullptr || nMaxCount <= 0) {
        return 0;
    }
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                        reinterpret_cast<LPARAM>(lpString)));
}

std::string GetWindowText(HWND hWnd) {
    const int length = GetWindowTextLength(hWnd);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowText(hWnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
    return text;
}

int GetWindowTextLength(HWND hWnd) {
    if (Find(hWnd) == nullptr) {
        return 0;
    }
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

bool SetProp(HWND hWnd, std::string_view lpString, LONG_PTR hData) {
    user::Window* window = Find(hWnd);
    if (window == nullptr || lpString.empty()) {
        return false;
    }
    auto found = FindProperty(*window, lpString);
    if (found != window->properties.end()) {
        found->second = hData;
    } else {
        window->properties.emplace_back(user::LowerCase(lpString), hData);
    }
    return true;
}

LONG_PTR GetProp(HWND hWnd, std::string_view lpString) {
    user::Window* window = Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    auto found = FindProperty(*window, lpString);
    return found == window->properties.end() ? 0 : found->second;
}

LONG_PTR RemoveProp(HWND hWnd, std::string_view lpString) {
    user::Window* window = Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    auto found = FindProperty(*window, lpString);
    if (found == window->properties.end()) {
        return 0;
    }
    const LONG_PTR value = found->second;
    window->properties.erase(found);
    return value;
}

}  // namespace win
