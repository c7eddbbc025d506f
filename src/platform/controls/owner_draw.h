#pragma once

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"
#include "platform/user/window_messages.h"

namespace win {

inline constexpr UINT ODT_BUTTON = 4;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;
inline constexpr UINT ODA_SELECT = 0x0002;
inline constexpr UINT ODA_FOCUS = 0x0004;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_GRAYED = 0x0002;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_FOCUS = 0x0010;
inline constexpr UINT ODS_DEFAULT = 0x0020;

// What WM_DRAWITEM carries in lParam.
struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    std::uintptr_t itemData = 0;
};

}  // namespace win
