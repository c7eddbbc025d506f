#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "platform/gdi/win_types.h"

namespace win {

using ATOM = std::uint16_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// A window-manager handle: a pointer-sized number that names an object and is never reused
// within a run, so a stale copy can only ever name nothing.
template <class Tag>
class UserHandle {
public:
    constexpr UserHandle() = default;
    constexpr UserHandle(std::nullptr_t) {}

    static constexpr UserHandle FromValue(LONG_PTR value) { return UserHandle(value); }
    constexpr LONG_PTR Value() const { return value_; }
    explicit constexpr operator bool() const { return value_ != 0; }

    friend constexpr bool operator==(UserHandle, UserHandle) = default;
    friend constexpr auto operator<=>(UserHandle, UserHandle) = default;

private:
    constexpr explicit UserHandle(LONG_PTR value) : value_(value) {}
    LONG_PTR value_ = 0;
};

using HWND = UserHandle<struct WindowHandleTag>;
using HMENU = UserHandle<struct MenuHandleTag>;
using HCURSOR = UserHandle<struct CursorHandleTag>;

// Placement in SetWindowPos.
inline constexpr HWND HWND_TOP = HWND::FromValue(0);
inline constexpr HWND HWND_BOTTOM = HWND::FromValue(1);
inline constexpr HWND HWND_TOPMOST = HWND::FromValue(-1);
inline constexpr HWND HWND_NOTOPMOST = HWND::FromValue(-2);

constexpr WORD LOWORD(std::uintptr_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>(
        static_cast<std::int32_t>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                                  static_cast<std::uint32_t>(low & 0xFFFF)));
}
constexpr WPARAM MAKEWPARAM(int low, int high) {
    return static_cast<WPARAM>(static_cast<std::uint32_t>(MAKELPARAM(low, high)));
}
// Signed coordinates packed in a message's long argument.
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<std::int16_t>(LOWORD(value));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<std::int16_t>(HIWORD(value));
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM value) {
    return static_cast<std::int16_t>(HIWORD(value));
}

}  // namespace win

template <class Tag>
struct std::hash<win::UserHandle<Tag>> {
    std::size_t operator()(win::UserHandle<Tag> handle) const noexcept {
        return std::hash<win::LONG_PTR>{}(handle.Value());
    }
};
