#include "platform/controls/combo_box.h"
#include "platform/controls/control_classes.h"
#include "platform/controls/control_support.h"
#include "platform/controls/frame.h"
#include "platform/controls/owner_draw.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

void PaintFrame(HWND frame) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(frame, &paint);
    if (dc) {
        RECT client;
        GetClientRect(frame, &client);
        FillRect(dc, &client,
                 BackgroundBrush(frame, dc, WM_CTLCOLORSTATIC, COLOR_3DFACE, COLOR_WINDOWTEXT));
        DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);
    }
    EndPaint(frame, &paint);
}

LRESULT FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintFrame(frame);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            InvalidateRect(frame, nullptr, false);
            return 0;
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            // A frame only groups: what its children say goes to the form.
            return GetParent(frame) ? SendMessage(GetParent(frame), message, wParam, lParam) : 0;
        default:
            return DefWindowProc(frame, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterFrameClass() {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = FrameWindowProc;
    windowClass.lpszClassName = kFrameClassName;
    return EnsureClassRegistered(windowClass);
}

}  // namespace win::controls
