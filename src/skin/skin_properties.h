#pragma once

// The names under which a skinned or hooked window keeps its data in its property list, and
// typed access to the per-state images of a skinned button.

#include <string>

#include "platform/gdi/gdi_handle.h"
#include "platform/user/user_types.h"
#include "platform/user/window_data.h"

namespace quellan::skin_properties {

inline constexpr char kProcAddr[] = "PROCADDR";
inline constexpr char kOldState[] = "OLDSTATE";
inline constexpr char kAlphaLevel[] = "ALPHALEVEL";
inline constexpr char kMouseFlag[] = "MOUSEFLAG";
inline constexpr char kTimerId[] = "TIMERID";

// "HDC0" to "HDC3" and "BMP0" to "BMP3".
inline std::string StateDcName(int state) {
    return "HDC" + std::to_string(state);
}
inline std::string StateBitmapName(int state) {
    return "BMP" + std::to_string(state);
}

inline win::HDC StateDc(win::HWND hWnd, int state) {
    return win::HDC::FromValue(static_cast<std::uintptr_t>(win::GetProp(hWnd, StateDcName(state))));
}
inline win::HBITMAP StateBitmap(win::HWND hWnd, int state) {
    return win::HBITMAP::FromValue(
        static_cast<std::uintptr_t>(win::GetProp(hWnd, StateBitmapName(state))));
}

inline bool IsHooked(win::HWND hWnd) {
    return win::GetProp(hWnd, kProcAddr) != 0;
}

// A stored number property read back as the 32-bit value it was stored as.
inline int NumberProp(win::HWND hWnd, const char* name) {
    return static_cast<int>(win::GetProp(hWnd, name));
}

}  // namespace quellan::skin_properties
