#include "platform/user/window_class.h"

#include <algorithm>
#include <cstring>

#include "platform/user/class_registry.h"
#include "platform/user/last_error.h"
#include "platform/user/session.h"

namespace win {

namespace {

user::WindowClass* ClassOf(HWND hWnd) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return window->windowClass.get();
}

user::ClassRegistry* Registry() {
    user::Session* session = user::Current();
    return session ? &session->classes : nullptr;
}

bool InExtraBytes(const std::vector<std::byte>& bytes, int index) {
    return index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= bytes.size();
}

}  // namespace

ATOM RegisterClass(const WNDCLASS& windowClass) {
    user::ClassRegistry* registry = Registry();
    const ATOM atom = registry ? registry->Register(windowClass) : ATOM{0};
    if (atom == 0) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    }
    return atom;
}

bool UnregisterClass(std::string_view className) {
    user::ClassRegistry* registry = Registry();
    return registry != nullptr && registry->Unregister(className);
}

bool GetClassInfo(std::string_view className, WNDCLASS* windowClass) {
    user::ClassRegistry* registry = Registry();
    const auto found = registry ? registry->Find(className) : nullptr;
    if (!found || windowClass == nullptr) {
        return false;
    }
    *windowClass = found->info;
    return true;
}

LONG_PTR GetClassLongPtr(HWND hWnd, int nIndex) {
    user::WindowClass* windowClass = ClassOf(hWnd);
    if (windowClass == nullptr) {
        return 0;
    }
    switch (nIndex) {
        case GCL_STYLE:
            return static_cast<LONG_PTR>(windowClass->info.style);
        case GCLP_WNDPROC:
            return windowClass->info.lpfnWndProc.ToLongPtr();
        case GCLP_HCURSOR:
            return windowClass->info.hCursor.Value();
        case GCLP_HBRBACKGROUND:
            return static_cast<LONG_PTR>(windowClass->info.hbrBackground.Value());
        default:
            break;
    }
    if (!InExtraBytes(windowClass->extraBytes, nIndex)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    LONG_PTR value = 0;
    std::memcpy(&value, windowClass->extraBytes.data() + nIndex, sizeof(value));
    return value;
}

LONG_PTR SetClassLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    user::WindowClass* windowClass = ClassOf(hWnd);
    if (windowClass == nullptr) {
        return 0;
    }
    const LONG_PTR previous = GetClassLongPtr(hWnd, nIndex);
    switch (nIndex) {
        case GCL_STYLE:
            windowClass->info.style = static_cast<UINT>(dwNewLong);
            return previous;
        case GCLP_WNDPROC:
            windowClass->info.lpfnWndProc = WNDPROC::FromLongPtr(dwNewLong);
            return previous;
        case GCLP_HCURSOR:
            windowClass->info.hCursor = HCURSOR::FromValue(dwNewLong);
            return previous;
        case GCLP_HBRBACKGROUND:
            windowClass->info.hbrBackground =
                HBRUSH::FromValue(static_cast<std::uintptr_t>(dwNewLong));
            return previous;
        default:
            break;
    }
    if (!InExtraBytes(windowClass->extraBytes, nIndex)) {
        return 0;
    }
    std::memcpy(windowClass->extraBytes.data() + nIndex, &dwNewLong, sizeof(dwNewLong));
    return previous;
}

int GetClassName(HWND hWnd, char* lpClassName, int nMaxCount) {
    user::WindowClass* windowClass = ClassOf(hWnd);
    if (windowClass == nullptr || lpClassName == nullptr || nMaxCount <= 0) {
        return 0;
    }
    const std::string& name = windowClass->info.lpszClassName;
    const std::size_t count = std::min(name.size(), static_cast<std::size_t>(nMaxCount - 1));
    std::memcpy(lpClassName, name.data(), count);
    lpClassName[count] = '\0';
    return static_cast<int>(count);
}

std::string GetClassName(HWND hWnd) {
    user::WindowClass* windowClass = ClassOf(hWnd);
    return windowClass ? windowClass->info.lpszClassName : std::string();
}

}  // namespace win
