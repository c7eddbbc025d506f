#pragma once

#include <cstddef>

#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win {

inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_IBEAM = 32513;
inline constexpr int IDC_WAIT = 32514;
inline constexpr int IDC_CROSS = 32515;
inline constexpr int IDC_SIZENS = 32645;
inline constexpr int IDC_SIZEWE = 32644;
inline constexpr int IDC_SIZEALL = 32646;
inline constexpr int IDC_NO = 32648;
inline constexpr int IDC_HAND = 32649;

// The system's shared cursors; null for an identifier that names none.
HCURSOR LoadCursor(std::nullptr_t hInstance, int lpCursorName);
// Shown over our windows until changed; returns the previous cursor.
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();
// Screen coordinates, as the host last reported them.
bool GetCursorPos(POINT* lpPoint);

}  // namespace win
