#include "platform/user/non_client_hit_test.h"

#include "platform/user/session.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

namespace win::user {

namespace {

// How far along an edge a sizing corner reaches.
constexpr int kSizingCornerLength = 16;

// Client and non-client mouse messages run in parallel from these two.
constexpr UINT kClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;

int OwnFrameWidth(const Window& window) {
    if (window.style & WS_THICKFRAME) {
        return GetSystemMetrics(SM_CXFRAME);
    }
    if ((window.style & WS_DLGFRAME) || (window.exStyle & WS_EX_DLGMODALFRAME)) {
        return GetSystemMetrics(SM_CXDLGFRAME);
    }
    if (window.style & WS_BORDER) {
        return GetSystemMetrics(SM_CXBORDER);
    }
    return 0;
}

// `at` is on the thick frame of a window `whole`; corners reach some way along each edge.
LRESULT SizingEdge(const RECT& whole, POINT at) {
    const int frame = GetSystemMetrics(SM_CXFRAME);
    const bool onLeft = at.x < whole.left + frame;
    const bool onTop = at.y < whole.top + frame;
    const bool onBottom = at.y >= whole.bottom - frame;
    const bool nearLeft = at.x < whole.left + kSizingCornerLength;
    const bool nearRight = at.x >= whole.right - kSizingCornerLength;
    const bool nearTop = at.y < whole.top + kSizingCornerLength;
    const bool nearBottom = at.y >= whole.bottom - kSizingCornerLength;
    if (onTop || onBottom) {
        if (nearLeft) {
            return onTop ? HTTOPLEFT : HTBOTTOMLEFT;
        }
        if (nearRight) {
            return onTop ? HTTOPRIGHT : HTBOTTOMRIGHT;
        }
        return onTop ? HTTOP : HTBOTTOM;
    }
    if (nearTop) {
        return onLeft ? HTTOPLEFT : HTTOPRIGHT;
    }
    if (nearBottom) {
        return onLeft ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
    }
    return onLeft ? HTLEFT : HTRIGHT;
}

// The desktop's title bar lies above the content, its frame around it.
LRESULT HostFrameHit(const Session& session, const Window& window, POINT at) {
    const host::Margins margins = session.Host().DecorationMargins();
    const bool overContent = at.x >= margins.left && at.x < Width(window.rect) - margins.right;
    return at.y < margins.top && overContent ? HTCAPTION : HTBORDER;
}

}  // namespace

LRESULT DefaultHitTest(const Session& session, const Window& window, POINT screen) {
    const POINT origin = WindowOrigin(session, window);
    const POINT at{screen.x - origin.x, screen.y - origin.y};
    const RECT whole{0, 0, Width(window.rect), Height(window.rect)};
    if (!Contains(whole, at)) {
        return HTNOWHERE;
    }
    if (Contains(window.client, at)) {
        return HTCLIENT;
    }
    if (IsHostDecorated(window)) {
        return HostFrameHit(session, window, at);
    }
    const int frame = OwnFrameWidth(window);
    const RECT inside{frame, frame, whole.right - frame, whole.bottom - frame};
    if (frame > 0 && !Contains(inside, at)) {
        return (window.style & WS_THICKFRAME) ? SizingEdge(whole, at) : HTBORDER;
    }
    // The client edges: part of no frame that could be grabbed.
    return HTNOWHERE;
}

UINT NonClientMouseMessage(UINT clientMessage) {
    return clientMessage - kClientOffset;
}

UINT ClientMouseMessage(UINT nonClientMessage) {
    return nonClientMessage + kClientOffset;
}

bool IsNonClientMouseMessage(UINT message) {
    return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
}

}  // namespace win::user
