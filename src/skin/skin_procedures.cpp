// The window procedures that the skinning puts in place of a button's, a form's or dialog's,
// and any other child control's.

#include "platform/gdi/gdi.h"
#include "platform/user/user.h"
#include "skin/m_skin_button.h"
#include "skin/skin_classes.h"
#include "skin/skin_properties.h"
#include "skin/subclassing.h"

namespace quellan {

namespace {

namespace props = skin_properties;

constexpr win::WPARAM kSpace = 32;
constexpr int kNormalState = 0;
constexpr int kHotState = 1;
constexpr int kPressedState = 2;
constexpr int kDisabledState = 3;

constexpr win::COLORREF kFlatBorderEnabled = win::RGB(84, 165, 213);
constexpr win::COLORREF kFlatBorderDisabled = win::RGB(204, 204, 204);

void FrameWith(win::HDC dc, win::RECT rect, win::COLORREF colour) {
    const win::HBRUSH brush = win::CreateSolidBrush(colour);
    win::FrameRect(dc, &rect, brush);
    win::DeleteObject(brush);
}

// A one-pixel blue (grey when disabled) line where the sunken edge was; the edge's two inner
// rings take the client area's background colour.
void PaintFlatBorder(win::HWND hWnd) {
    win::RECT bounds{};
    win::GetWindowRect(hWnd, &bounds);
    const int w = bounds.right - bounds.left;
    const int h = bounds.bottom - bounds.top;
    const win::HDC windowDc = win::GetWindowDC(hWnd);
    const win::HDC clientDc = win::GetDC(hWnd);
    FrameWith(windowDc, {0, 0, w, h},
              win::IsWindowEnabled(hWnd) ? kFlatBorderEnabled : kFlatBorderDisabled);
    const win::COLORREF background = win::GetBkColor(clientDc);
    FrameWith(windowDc, {1, 1, w - 1, h - 1}, background);
    FrameWith(windowDc, {2, 2, w - 2, h - 2}, background);
    win::ReleaseDC(hWnd, clientDc);
    win::ReleaseDC(hWnd, windowDc);
}

}  // namespace

void MSkinButton::ChangeState(win::HWND hWnd, int state, int startLevel) {
    win::SetProp(hWnd, props::kOldState, state);
    win::SetProp(hWnd, props::kAlphaLevel, startLevel);
    StartFade(hWnd);
}

void MSkinButton::ShowStateAtOnce(win::HWND hWnd, int state) {
    win::SetProp(hWnd, props::kOldState, state);
    win::RECT bounds{};
    win::GetWindowRect(hWnd, &bounds);
    const win::HDC windowDc = win::GetWindowDC(hWnd);
    win::BitBlt(windowDc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                props::StateDc(hWnd, state), 0, 0, win::SRCCOPY);
    win::ReleaseDC(hWnd, windowDc);
}

win::LRESULT MSkinButton::ButtonMessage(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                        win::LPARAM lParam) {
    switch (uMsg) {
        case win::WM_DESTROY: {
            // The button's own procedure still hears of its destruction once it is back.
            const win::WNDPROC own =
                win::WNDPROC::FromLongPtr(win::GetProp(hWnd, props::kProcAddr));
            UnskinButton(hWnd);
            win::CallWindowProc(own, hWnd, uMsg, wParam, lParam);
            return 0;
        }
        case win::WM_PAINT: {
            win::PAINTSTRUCT paint;
            const win::HDC dc = win::BeginPaint(hWnd, &paint);
            win::RECT bounds{};
            win::GetWindowRect(hWnd, &bounds);
            win::BitBlt(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                        props::StateDc(hWnd, props::NumberProp(hWnd, props::kOldState)), 0, 0,
                        win::SRCCOPY);
            win::EndPaint(hWnd, &paint);
            return 0;
        }
        case win::WM_TIMER:
            FadeStep(hWnd);
            return ForwardToStored(hWnd, uMsg, wParam, lParam);
        default:
            break;
    }
    const win::LRESULT result = ForwardToStored(hWnd, uMsg, wParam, lParam);
    switch (uMsg) {
        case win::WM_SIZE:
            ResizeStateImages(hWnd);
            break;
        case win::WM_SETFOCUS:
        case win::WM_KILLFOCUS:
            DrawButtonStates(hWnd);
            win::SetProp(hWnd, props::kAlphaLevel, 0);
            StartFade(hWnd);
            break;
        case win::WM_ENABLE:
            ShowStateAtOnce(hWnd, wParam != 0 ? kNormalState : kDisabledState);
            break;
        case win::WM_KEYDOWN:
            if (wParam == kSpace) {
                ChangeState(hWnd, kPressedState, 50);
            }
            break;
        case win::WM_KEYUP:
            if (wParam == kSpace) {
                win::SetProp(hWnd, props::kMouseFlag, 0);
                ChangeState(hWnd, kNormalState, 0);
            }
            break;
        case win::WM_MOUSEMOVE:
            if (props::NumberProp(hWnd, props::kMouseFlag) == 0) {
                win::SetProp(hWnd, props::kMouseFlag, 1);
                TrackSkinLeave(hWnd);
                ChangeState(hWnd, kHotState, 70);
            }
            break;
        case win::WM_LBUTTONDOWN:
            ChangeState(hWnd, kPressedState, 10);
            break;
        case win::WM_LBUTTONUP:
        case win::WM_MOUSELEAVE:
            win::SetProp(hWnd, props::kMouseFlag, 0);
            ChangeState(hWnd, kNormalState, 0);
            break;
        default:
            break;
    }
    return result;
}

win::LRESULT MSkinButton::ContainerMessage(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                           win::LPARAM lParam) {
    if (uMsg == win::WM_DESTROY) {
        const win::WNDPROC own = win::WNDPROC::FromLongPtr(win::GetProp(hWnd, props::kProcAddr));
        UnhookContainer(hWnd);
        win::CallWindowProc(own, hWnd, uMsg, wParam, lParam);
        return 0;
    }
    if (uMsg == win::WM_ACTIVATE) {
        const win::HWND other = win::HWND::FromValue(lParam);
        if (other && other != hWnd && IsSkinContainerClass(LowerCaseClassName(other))) {
            SkinWindow(other);
        }
    }
    return ForwardToStored(hWnd, uMsg, wParam, lParam);
}

win::LRESULT MSkinButton::FlatBorderMessage(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                            win::LPARAM lParam) {
    if (uMsg == win::WM_DESTROY) {
        const win::WNDPROC own = win::WNDPROC::FromLongPtr(win::GetProp(hWnd, props::kProcAddr));
        UnhookFlatBorder(hWnd);
        win::CallWindowProc(own, hWnd, uMsg, wParam, lParam);
        return 0;
    }
    const win::LRESULT result = ForwardToStored(hWnd, uMsg, wParam, lParam);
    if (uMsg == win::WM_NCPAINT &&
        (win::GetWindowLong(hWnd, win::GWL_EXSTYLE) & win::WS_EX_CLIENTEDGE) != 0) {
        PaintFlatBorder(hWnd);
    }
    return result;
}

win::LRESULT MSkinButton::SkinButtonProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                         win::LPARAM lParam) {
    if (!props::IsHooked(hWnd)) {
        return win::DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
    return Instance().ButtonMessage(hWnd, uMsg, wParam, lParam);
}

win::LRESULT MSkinButton::SkinContainerProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                            win::LPARAM lParam) {
    if (!props::IsHooked(hWnd)) {
        return win::DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
    return Instance().ContainerMessage(hWnd, uMsg, wParam, lParam);
}

win::LRESULT MSkinButton::FlatBorderProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                         win::LPARAM lParam) {
    if (!props::IsHooked(hWnd)) {
        return win::DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
    return Instance().FlatBorderMessage(hWnd, uMsg, wParam, lParam);
}

}  // namespace quellan
