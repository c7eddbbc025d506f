#include "platform/user/icon_drawing.h"

#include "platform/gdi/gdi.h"

namespace win {

namespace {

// Puts the icon on `target` at (x, y), cx x cy.
bool PutIcon(HDC target, int x, int y, HDC source, const BITMAP& info, int cx, int cy, UINT flags) {
    if ((flags & DI_MASK) != 0 && (flags & DI_IMAGE) != 0) {
        BLENDFUNCTION blend;
        blend.AlphaFormat = AC_SRC_ALPHA;
        return AlphaBlend(target, x, y, cx, cy, source, 0, 0, info.bmWidth, info.bmHeight, blend);
    }
    if ((flags & DI_IMAGE) != 0) {
        return StretchBlt(target, x, y, cx, cy, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    }
    return false;
}

}  // namespace

bool DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT stepIfAniCur,
                HBRUSH flickerFreeDraw, UINT flags) {
    BITMAP info;
    if (stepIfAniCur != 0 || GetObject(icon, &info) == 0 || (flags & DI_NORMAL) == 0) {
        return false;
    }
    cx = cx == 0 ? info.bmWidth : cx;
    cy = cy == 0 ? info.bmHeight : cy;
    const HDC source = CreateCompatibleDC(dc);
    const HBITMAP previousSource = SelectObject(source, icon);
    if (!previousSource) {
        DeleteDC(source);
        return false;
    }
    bool drawn = false;
    if (!flickerFreeDraw) {
        drawn = PutIcon(dc, x, y, source, info, cx, cy, flags);
    } else {
        const HDC block = CreateCompatibleDC(dc);
        const HBITMAP blockBitmap = CreateCompatibleBitmap(dc, cx, cy);
        const HBITMAP previousBlock = SelectObject(block, blockBitmap);
        const RECT whole{0, 0, cx, cy};
        FillRect(block, &whole, flickerFreeDraw);
        drawn = PutIcon(block, 0, 0, source, info, cx, cy, flags) &&
                BitBlt(dc, x, y, cx, cy, block, 0, 0, SRCCOPY);
        SelectObject(block, previousBlock);
        DeleteObject(blockBitmap);
        DeleteDC(block);
    }
    SelectObject(source, previousSource);
    DeleteDC(source);
    return drawn;
}

}  // namespace win
