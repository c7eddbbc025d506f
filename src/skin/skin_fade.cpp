// The fade from a button's previous look to its new state's image: every 15 ms the state's image
// is blended over what the window shows, a little more opaque each time.

#include "platform/gdi/gdi.h"
#include "platform/user/user.h"
#include "skin/m_skin_button.h"
#include "skin/skin_properties.h"

namespace quellan {

namespace {

namespace props = skin_properties;

constexpr win::UINT_PTR kFadeTimer = 1;
constexpr win::UINT kFadeInterval = 15;
constexpr int kFadeIncrement = 3;

}  // namespace

std::int32_t MSkinButton::StartFade(win::HWND hWnd) {
    if (props::NumberProp(hWnd, props::kTimerId) != 0) {
        return 0;
    }
    const auto timer =
        static_cast<std::int32_t>(win::SetTimer(hWnd, kFadeTimer, kFadeInterval, nullptr));
    win::SetProp(hWnd, props::kTimerId, timer);
    return timer;
}

std::int32_t MSkinButton::StopFade(win::HWND hWnd) {
    const int timer = props::NumberProp(hWnd, props::kTimerId);
    if (timer == 0) {
        return 0;
    }
    win::SetProp(hWnd, props::kTimerId, 0);
    win::KillTimer(hWnd, static_cast<win::UINT_PTR>(timer));
    return 1;
}

void MSkinButton::TrackSkinLeave(win::HWND hWnd) {
    win::TRACKMOUSEEVENT request;
    request.dwFlags = win::TME_LEAVE;
    request.hwndTrack = hWnd;
    request.dwHoverTime = 0;
    if (leaveTrackingByUser32_) {
        win::TrackMouseEvent(&request);
    } else {
        win::_TrackMouseEvent(&request);
    }
}

void MSkinButton::FadeStep(win::HWND hWnd) {
    win::RECT bounds{};
    win::GetWindowRect(hWnd, &bounds);
    const int w = bounds.right - bounds.left;
    const int h = bounds.bottom - bounds.top;
    const int state = props::NumberProp(hWnd, props::kOldState);
    const int level = props::NumberProp(hWnd, props::kAlphaLevel);
    const win::HDC windowDc = win::GetWindowDC(hWnd);
    win::BLENDFUNCTION blend;
    blend.SourceConstantAlpha = static_cast<win::BYTE>(level);
    win::AlphaBlend(windowDc, 0, 0, w, h, props::StateDc(hWnd, state), 0, 0, w, h, blend);
    win::ReleaseDC(hWnd, windowDc);
    const int next = level + kFadeIncrement;
    if (next > 255) {
        StopFade(hWnd);
        win::SetProp(hWnd, props::kAlphaLevel, 0);
    } else {
        win::SetProp(hWnd, props::kAlphaLevel, next);
    }
}

}  // namespace quellan
