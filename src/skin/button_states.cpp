#include "skin/button_states.h"

#include <string>

#include "platform/gdi/gdi.h"
#include "platform/user/user.h"
#include "skin/skin_bitmap.h"
#include "skin/skin_properties.h"

namespace quellan {

namespace {

constexpr win::UINT kCaptionFormat =
    win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE | win::DT_END_ELLIPSIS;
constexpr int kDisabledState = 3;

struct Piece {
    int sourceX, sourceY, sourceWidth, sourceHeight;
    int x, y, width, height;
    bool stretched;
};

// The tile's corners keep their size, its edges stretch along the button, and its centre fills
// the face. A button too small for a stretched piece simply gets none of it.
void ComposeTile(win::HDC dc, win::HDC skinDc, int tileTop, int w, int h) {
    const int y0 = tileTop;
    const Piece pieces[] = {
        {0, y0, 4, 5, 0, 0, 4, 5, false},               // top-left corner
        {4, y0, 1, 5, 4, 0, w - 8, 5, true},            // top edge
        {5, y0, 4, 5, w - 4, 0, 4, 5, false},           // top-right corner
        {0, y0 + 5, 4, 11, 0, 5, 4, h - 10, true},      // left edge
        {5, y0 + 5, 4, 11, w - 4, 5, 4, h - 10, true},  // right edge
        {0, y0 + 16, 4, 5, 0, h - 5, 4, 5, false},      // bottom-left corner
        {5, y0 + 16, 4, 5, w - 4, h - 5, 4, 5, false},  // bottom-right corner
        {4, y0 + 16, 1, 5, 4, h - 5, w - 8, 5, true},   // bottom edge
        {4, y0 + 5, 1, 11, 4, 5, w - 8, h - 10, true},  // centre
    };
    for (const Piece& piece : pieces) {
        if (piece.width <= 0 || piece.height <= 0) {
            continue;
        }
        if (!piece.stretched) {
            win::BitBlt(dc, piece.x, piece.y, piece.width, piece.height, skinDc, piece.sourceX,
                        piece.sourceY, win::SRCCOPY);
        } else {
            win::StretchBlt(dc, piece.x, piece.y, piece.width, piece.height, skinDc, piece.sourceX,
                            piece.sourceY, piece.sourceWidth, piece.sourceHeight, win::SRCCOPY);
        }
    }
}

void DrawCaption(win::HDC dc, const std::string& caption, int state, int w, int h) {
    win::SetTextColor(dc, state == kDisabledState ? win::RGB(128, 128, 128) : win::RGB(0, 0, 0));
    win::RECT area{2, 2, w - 2, h - 2};
    win::DrawTextA(dc, caption, -1, &area, kCaptionFormat);
}

}  // namespace

void DrawButtonStates(win::HWND hWnd, win::HDC skinDc) {
    win::RECT bounds{};
    win::GetWindowRect(hWnd, &bounds);
    const int w = bounds.right - bounds.left;
    const int h = bounds.bottom - bounds.top;
    const std::string caption = win::GetWindowText(hWnd);
    const win::HFONT font = win::HFONT::FromValue(
        static_cast<std::uintptr_t>(win::SendMessage(hWnd, win::WM_GETFONT, 0, 0)));
    const bool focused = win::GetFocus() == hWnd;
    for (int state = 0; state < kSkinStateCount; ++state) {
        const win::HDC dc = skin_properties::StateDc(hWnd, state);
        if (font) {
            win::SelectObject(dc, font);
        }
        win::SetBkMode(dc, win::TRANSPARENT);
        ComposeTile(dc, skinDc, kSkinTileHeight * state, w, h);
        DrawCaption(dc, caption, state, w, h);
        if (focused) {
            win::RECT focus{2, 2, w - 2, h - 2};
            win::DrawFocusRect(dc, &focus);
        }
    }
}

}  // namespace quellan
