#include <algorithm>

#include "platform/controls/control_classes.h"
#include "platform/controls/control_state_table.h"
#include "platform/controls/picture_box.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

struct PictureBoxState {
    HDC surface;
    HBITMAP bitmap;
    HBITMAP originalBitmap;
    SIZE size;
    COLORREF background = GetSysColor(COLOR_3DFACE);
};

ControlStateTable<PictureBoxState> Pictures() {
    return {};
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void Clear(PictureBoxState& state) {
    Fill(state.surface, {0, 0, state.size.cx, state.size.cy}, state.background);
}

// A system-colour reference (top bit set) becomes that colour; a bad value keeps its RGB part.
COLORREF BackgroundFrom(OLE_COLOR value) {
    COLORREF colour = value & 0x00FFFFFF;
    OleTranslateColor(value, nullptr, &colour);
    return colour;
}

SIZE ClientSize(HWND picture) {
    RECT client;
    GetClientRect(picture, &client);
    return {std::max<LONG>(client.right, 0), std::max<LONG>(client.bottom, 0)};
}

void CreateSurface(HWND picture, PictureBoxState& state) {
    state.surface = CreateCompatibleDC(nullptr);
    state.size = ClientSize(picture);
    state.bitmap = CreateCompatibleBitmap(state.surface, state.size.cx, state.size.cy);
    state.originalBitmap = SelectObject(state.surface, state.bitmap);
    Clear(state);
}

// A new bitmap of the new size keeps what was drawn; new parts get the background.
void ResizeSurface(HWND picture, PictureBoxState& state) {
    const SIZE size = ClientSize(picture);
    if (size == state.size || !state.surface) {
        return;
    }
    const HDC old = CreateCompatibleDC(nullptr);
    const HBITMAP oldBitmap = SelectObject(state.surface, state.originalBitmap);
    const HBITMAP parked = SelectObject(old, oldBitmap);

    state.bitmap = CreateCompatibleBitmap(state.surface, size.cx, size.cy);
    SelectObject(state.surface, state.bitmap);
    const SIZE before = state.size;
    state.size = size;
    Clear(state);
    BitBlt(state.surface, 0, 0, std::min(before.cx, size.cx), std::min(before.cy, size.cy), old, 0,
           0, SRCCOPY);

    SelectObject(old, parked);
    DeleteDC(old);
    DeleteObject(oldBitmap);
    InvalidateRect(picture, nullptr, false);
}

void DestroySurface(PictureBoxState& state) {
    if (!state.surface) {
        return;
    }
    SelectObject(state.surface, state.originalBitmap);
    DeleteObject(state.bitmap);
    DeleteDC(state.surface);
    state.surface = nullptr;
}

void Paint(HWND picture, const PictureBoxState& state) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(picture, &paint);
    if (dc) {
        BitBlt(dc, 0, 0, state.size.cx, state.size.cy, state.surface, 0, 0, SRCCOPY);
    }
    EndPaint(picture, &paint);
}

LRESULT HandleMessage(HWND picture, PictureBoxState& state, UINT message, WPARAM wParam,
                      LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateSurface(picture, state);
            return 0;
        case WM_SIZE:
            ResizeSurface(picture, state);
            return 0;
        case WM_PAINT:
            Paint(picture, state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case PBM_GETSURFACEDC:
            return static_cast<LRESULT>(state.surface.Value());
        case PBM_SETBKCOLOR:
            state.background = BackgroundFrom(static_cast<OLE_COLOR>(wParam));
            Clear(state);
            InvalidateRect(picture, nullptr, false);
            return 0;
        case PBM_GETBKCOLOR:
            return static_cast<LRESULT>(state.background);
        case PBM_CLEAR:
            Clear(state);
            InvalidateRect(picture, nullptr, false);
            return 0;
        default:
            return DefWindowProc(picture, message, wParam, lParam);
    }
}

LRESULT PictureBoxWindowProc(HWND picture, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        Pictures().Create(picture);
    }
    if (message == WM_NCDESTROY) {
        if (auto released = Pictures().Release(picture)) {
            DestroySurface(*released);
        }
        return DefWindowProc(picture, message, wParam, lParam);
    }
    if (PictureBoxState* state = Pictures().Find(picture)) {
        return HandleMessage(picture, *state, message, wParam, lParam);
    }
    return DefWindowProc(picture, message, wParam, lParam);
}

}  // namespace

bool RegisterPictureBoxClass() {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = PictureBoxWindowProc;
    windowClass.lpszClassName = kPictureBoxClassName;
    return EnsureClassRegistered(windowClass);
}

}  // namespace win::controls

namespace win {

HDC GetPictureBoxSurface(HWND pictureBox) {
    if (GetClassName(pictureBox) != kPictureBoxClassName) {
        return nullptr;
    }
    return HDC::FromValue(
        static_cast<std::uintptr_t>(SendMessage(pictureBox, PBM_GETSURFACEDC, 0, 0)));
}

}  // namespace win
