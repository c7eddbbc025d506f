#pragma once

// Selecting, querying and deleting drawing objects, stock objects, and the live-object counts.
//
// Every object lives in one table. Stock objects are never deleted (deleting one succeeds and
// does nothing). Deleting an object still selected into a DC succeeds at once, the handle is
// refused from then on, and the object itself goes when the last DC lets go of it. All of this is
// single-threaded, like the user interface that calls it.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/font.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/pen.h"

namespace win {

inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int OEM_FIXED_FONT = 10;
inline constexpr int ANSI_FIXED_FONT = 11;
inline constexpr int ANSI_VAR_FONT = 12;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEVICE_DEFAULT_FONT = 14;
inline constexpr int SYSTEM_FIXED_FONT = 16;
inline constexpr int DEFAULT_GUI_FONT = 17;

// Null for an index with no stock object.
HGDIOBJ GetStockObject(int index);

// Each returns the object previously selected of that kind, or null (and changes nothing) when
// the DC or the object is not valid, or a bitmap is already selected into another DC.
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
HPEN SelectObject(HDC dc, HPEN pen);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HFONT SelectObject(HDC dc, HFONT font);
// Selecting a region sets the DC's clip to a copy of it (as SelectClipRgn) and returns the type of
// the new clip: NULLREGION, SIMPLEREGION, COMPLEXREGION, or ERROR.
int SelectObject(HDC dc, HRGN region);
// Dispatches on the object's kind and returns the previous object of that kind; a region is
// selected as the clip and the region itself is returned on success.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);

// DCs are not deleted here (DeleteDC does that).
bool DeleteObject(HGDIOBJ object);

inline constexpr DWORD OBJ_PEN = 1;
inline constexpr DWORD OBJ_BRUSH = 2;
inline constexpr DWORD OBJ_DC = 3;
inline constexpr DWORD OBJ_FONT = 6;
inline constexpr DWORD OBJ_BITMAP = 7;
inline constexpr DWORD OBJ_REGION = 8;
inline constexpr DWORD OBJ_MEMDC = 10;

// 0 for a handle that names no live object.
DWORD GetObjectType(HGDIOBJ object);

// The object selected into the DC for OBJ_PEN, OBJ_BRUSH, OBJ_FONT or OBJ_BITMAP.
HGDIOBJ GetCurrentObject(HDC dc, UINT type);

// Each returns the number of bytes written, 0 when the handle is not valid.
int GetObject(HBITMAP bitmap, BITMAP* out);
int GetObject(HPEN pen, LOGPEN* out);
int GetObject(HBRUSH brush, LOGBRUSH* out);
int GetObject(HFONT font, LOGFONT* out);

// Live objects created by the program (stock objects are not counted). An object whose deletion
// is deferred counts until it is really gone.
struct GdiObjectCounts {
    int dcs = 0;
    int bitmaps = 0;
    int pens = 0;
    int brushes = 0;
    int fonts = 0;
    int regions = 0;

    int Total() const { return dcs + bitmaps + pens + brushes + fonts + regions; }
    bool operator==(const GdiObjectCounts&) const = default;
};
GdiObjectCounts GdiLiveObjects();
int GdiLiveObjects(GdiObjectKind kind);

}  // namespace win
