#include "platform/user/def_window_proc.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/area_fill.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/sys_color.h"
#include "platform/host/host.h"
#include "platform/user/cursor.h"
#include "platform/user/keyboard_focus.h"
#include "platform/user/messaging.h"
#include "platform/user/mouse_capture.h"
#include "platform/user/non_client_hit_test.h"
#include "platform/user/painting.h"
#include "platform/user/session.h"
#include "platform/user/surface.h"
#include "platform/user/user_internal.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_icon.h"
#include "platform/user/window_lifetime.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

namespace win {

namespace {

LRESULT SetText(user::Session& session, user::Window& window, const char* text) {
    window.text = text ? text : "";
    if (window.surface && window.surface->HasNative()) {
        session.Host().SetTitle(window.surface->Native(), window.text);
    }
    return 1;
}

LRESULT CopyText(const user::Window& window, WPARAM capacity, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || capacity == 0) {
        return 0;
    }
    const std::size_t count = std::min(window.text.size(), static_cast<std::size_t>(capacity - 1));
    std::memcpy(out, window.text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

void FillFrame(HDC dc, RECT outer, int width, int colourIndex) {
    HBRUSH brush = GetSysColorBrush(colourIndex);
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, &outer, brush);
        outer = {outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
    }
}

// Our own borders; a desktop-decorated window's frame is the desktop's.
void PaintFrame(user::Session& session, const user::Window& window) {
    HDC dc = GetWindowDC(window.handle);
    if (!dc) {
        return;
    }
    RECT rect{0, 0, user::Width(window.rect), user::Height(window.rect)};
    if (user::IsHostDecorated(window)) {
        const host::Margins margins = session.Host().DecorationMargins();
        rect = {margins.left, margins.top, rect.right - margins.right,
                rect.bottom - margins.bottom};
    } else if (window.style & WS_THICKFRAME) {
        DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
        FillFrame(dc, rect, 2, COLOR_BTNFACE);
        rect = {rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
    } else if ((window.style & WS_DLGFRAME) || (window.exStyle & WS_EX_DLGMODALFRAME)) {
        DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
        FillFrame(dc, rect, 1, COLOR_BTNFACE);
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    } else if (window.style & WS_BORDER) {
        FillFrame(dc, rect, 1, COLOR_WINDOWFRAME);
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
    if (window.exStyle & WS_EX_CLIENTEDGE) {
        DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    if (window.exStyle & WS_EX_STATICEDGE) {
        DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    ReleaseDC(window.handle, dc);
}

LRESULT EraseBackground(const user::Window& window, WPARAM wParam) {
    const HBRUSH brush = window.windowClass->info.hbrBackground;
    if (!brush) {
        return 0;
    }
    const HDC dc = HDC::FromValue(static_cast<std::uintptr_t>(wParam));
    const RECT client{0, 0, user::Width(window.client), user::Height(window.client)};
    FillRect(dc, &client, brush);
    return 1;
}

LRESULT ControlColour(WPARAM wParam, bool edit) {
    const HDC dc = HDC::FromValue(static_cast<std::uintptr_t>(wParam));
    const int background = edit ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(background));
    return static_cast<LRESULT>(GetSysColorBrush(background).Value());
}

int FrameCursor(LRESULT hit) {
    switch (hit) {
        case HTLEFT:
        case HTRIGHT:
            return IDC_SIZEWE;
        case HTTOP:
        case HTBOTTOM:
            return IDC_SIZENS;
        default:
            return IDC_ARROW;
    }
}

LRESULT SetCursorFromClass(const user::Window& window, WPARAM wParam, LPARAM lParam) {
    if (window.IsChild() && SendMessage(window.parent, WM_SETCURSOR, wParam, lParam) != 0) {
        return 1;
    }
    const LRESULT hit = static_cast<std::int16_t>(LOWORD(lParam));
    if (hit == HTCLIENT && window.windowClass->info.hCursor) {
        SetCursor(window.windowClass->info.hCursor);
        return 1;
    }
    if (hit != HTCLIENT && hit >= HTNOWHERE) {
        SetCursor(LoadCursor(nullptr, FrameCursor(hit)));
        return 1;
    }
    return 0;
}

LRESULT MouseActivation(const user::Window& window, WPARAM wParam, LPARAM lParam) {
    // The parent has the first word.
    if (window.IsChild()) {
        if (const LRESULT answer = SendMessage(window.parent, WM_MOUSEACTIVATE, wParam, lParam)) {
            return answer;
        }
    }
    return (window.exStyle & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
}

LRESULT AfterMove(const user::Window& window, LPARAM lParam) {
    const WINDOWPOS* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (position == nullptr) {
        return 0;
    }
    const HWND handle = window.handle;
    const RECT client = window.client;
    const LPARAM origin = MAKELPARAM(window.rect.left + client.left, window.rect.top + client.top);
    if (!(position->flags & SWP_NOCLIENTMOVE)) {
        SendMessage(handle, WM_MOVE, 0, origin);
    }
    if (!(position->flags & SWP_NOCLIENTSIZE)) {
        SendMessage(handle, WM_SIZE, SIZE_RESTORED,
                    MAKELPARAM(user::Width(client), user::Height(client)));
    }
    return 0;
}

}  // namespace

LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr) {
        return 0;
    }
    switch (Msg) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
            if (create != nullptr && create->lpszName != nullptr) {
                SetText(*session, *window, create->lpszName);
            }
            return 1;
        }
        case WM_NCCALCSIZE: {
            RECT* proposed = reinterpret_cast<RECT*>(lParam);
            if (proposed != nullptr && wParam == 0) {
                const RECT client = user::DefaultClientArea(
                    *session, *window, user::Width(*proposed), user::Height(*proposed));
                *proposed = user::Offset(client, proposed->left, proposed->top);
            }
            return 0;
        }
        case WM_SETTEXT:
            return SetText(*session, *window, reinterpret_cast<const char*>(lParam));
        case WM_GETTEXT:
            return CopyText(*window, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window->text.size());
        case WM_SETICON:
            return user::SetWindowIcon(*session, *window, wParam, lParam);
        case WM_GETICON:
            return user::GetWindowIcon(*window, wParam);
        case WM_CLOSE:
            DestroyWindow(hWnd);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                SendMessage(hWnd, WM_CLOSE, 0, 0);
            }
            return 0;
        case WM_SYSKEYDOWN:
            if (wParam == static_cast<WPARAM>(VK_F4) && (lParam & (1 << 29))) {
                PostMessage(user::TopLevelOf(*session, *window)->handle, WM_SYSCOMMAND, SC_CLOSE,
                            0);
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (BeginPaint(hWnd, &paint)) {
                EndPaint(hWnd, &paint);
            }
            return 0;
        }
        case WM_NCPAINT:
            PaintFrame(*session, *window);
            return 0;
        case WM_ERASEBKGND:
            return EraseBackground(*window, wParam);
        case WM_NCACTIVATE:
            return 1;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != hWnd && !user::IsDescendant(*session, focus, hWnd)) {
                    SetFocus(hWnd);
                }
            }
            return 0;
        case WM_SETCURSOR:
            return SetCursorFromClass(*window, wParam, lParam);
        case WM_NCHITTEST:
            return user::DefaultHitTest(*session, *window,
                                        {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case WM_WINDOWPOSCHANGED:
            return AfterMove(*window, lParam);
        case WM_MOUSEWHEEL:
            if (window->IsChild()) {
                return SendMessage(window->parent, Msg, wParam, lParam);
            }
            return 0;
        case WM_CANCELMODE:
            if (GetCapture() == hWnd) {
                ReleaseCapture();
            }
            return 0;
        case WM_CTLCOLOREDIT:
            return ControlColour(wParam, true);
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            return ControlColour(wParam, false);
        case WM_QUERYENDSESSION:
            return 1;
        case WM_MOUSEACTIVATE:
            return MouseActivation(*window, wParam, lParam);
        default:
            return 0;
    }
}

}  // namespace win
