#include "platform/controls/tooltip_icons.h"

#include "platform/gdi/gdi.h"

namespace win::controls {
namespace {

constexpr int kSize = 16;
constexpr COLORREF kInfoBlue = RGB(0, 84, 227);
constexpr COLORREF kWarningYellow = RGB(255, 204, 0);
constexpr COLORREF kWarningEdge = RGB(153, 102, 0);
constexpr COLORREF kErrorRed = RGB(204, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    const RECT box{left, top, right, bottom};
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void FillDisc(HDC dc, int x, int y, COLORREF colour) {
    const HRGN disc = CreateEllipticRgn(x, y, x + kSize + 1, y + kSize + 1);
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRgn(dc, disc, brush);
    DeleteObject(brush);
    DeleteObject(disc);
}

void DrawInformation(HDC dc, int x, int y) {
    FillDisc(dc, x, y, kInfoBlue);
    FillBox(dc, x + 7, y + 3, x + 9, y + 5, kWhite);
    FillBox(dc, x + 7, y + 6, x + 9, y + 13, kWhite);
}

void DrawWarning(HDC dc, int x, int y) {
    // Row by row from the apex: each row one pixel wider on both sides every second row.
    for (int row = 0; row < kSize - 1; ++row) {
        const int half = row / 2;
        FillBox(dc, x + 7 - half, y + row, x + 9 + half, y + row + 1, kWarningYellow);
        FillBox(dc, x + 7 - half, y + row, x + 8 - half, y + row + 1, kWarningEdge);
        FillBox(dc, x + 8 + half, y + row, x + 9 + half, y + row + 1, kWarningEdge);
    }
    FillBox(dc, x + 1, y + kSize - 2, x + kSize - 1, y + kSize - 1, kWarningEdge);
    FillBox(dc, x + 7, y + 5, x + 9, y + 10, kBlack);
    FillBox(dc, x + 7, y + 11, x + 9, y + 13, kBlack);
}

void DrawError(HDC dc, int x, int y) {
    FillDisc(dc, x, y, kErrorRed);
    for (int step = 0; step < 7; ++step) {
        FillBox(dc, x + 4 + step, y + 4 + step, x + 6 + step, y + 5 + step, kWhite);
        FillBox(dc, x + 10 - step, y + 4 + step, x + 12 - step, y + 5 + step, kWhite);
    }
}

}  // namespace

void DrawTitleIcon(HDC dc, int x, int y, int icon) {
    switch (icon) {
        case 1:
        case 4:
            DrawInformation(dc, x, y);
            break;
        case 2:
        case 5:
            DrawWarning(dc, x, y);
            break;
        case 3:
        case 6:
            DrawError(dc, x, y);
            break;
        default:
            break;
    }
}

}  // namespace win::controls
