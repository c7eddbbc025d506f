#pragma once

// Device contexts and their drawing state.
//
// Coordinates given to drawing calls are logical; device = logical + viewport origin; the DC's
// own origin (set by the window manager for window DCs) then places the device space on the bitmap.

#include <string_view>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

// A memory DC with a 1 × 1 stock bitmap, the white brush, the black pen and the system font.
// `compatibleWith` may be null (the display) or any valid DC; an invalid one gives null.
HDC CreateCompatibleDC(HDC compatibleWith);
// Only the driver "DISPLAY" is known. The display DC has no surface of its own: drawing on it
// succeeds and shows nothing. It serves as the model for compatible DCs and bitmaps.
HDC CreateDC(std::string_view driver, std::string_view device = {}, std::string_view output = {},
             const void* mode = nullptr);
inline HDC CreateDCA(std::string_view driver, std::string_view device = {},
                     std::string_view output = {}, const void* mode = nullptr) {
    return CreateDC(driver, device, output, mode);
}
// Releases the DC and lets go of its selected objects (finishing their deferred deletion).
bool DeleteDC(HDC dc);

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Setters return the previous value: CLR_INVALID or 0 when the DC is not valid.
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);  // a mode other than TRANSPARENT or OPAQUE fails: 0
int GetBkMode(HDC dc);

bool SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
bool GetViewportOrgEx(HDC dc, POINT* origin);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous);

inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;
// Every mode samples the nearest source pixel; the mode is kept for callers that read it back.
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);

inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int NUMCOLORS = 24;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
// HORZRES and VERTRES give the size of the surface the DC draws on.
int GetDeviceCaps(HDC dc, int index);

// A true-colour surface shows every colour as it is; only the value's top byte is dropped.
COLORREF GetNearestColor(HDC dc, COLORREF colour);

}  // namespace win
