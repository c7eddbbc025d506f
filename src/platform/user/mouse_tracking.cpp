#include "platform/user/mouse_tracking.h"

#include <algorithm>

#include "platform/user/messaging.h"
#include "platform/user/session.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_messages.h"

namespace win {

namespace user {

void PostLeaveNotices(Session& session, HWND under) {
    auto& tracked = session.input.leaveTracked;
    std::vector<HWND> left;
    std::erase_if(tracked, [&](HWND window) {
        if (window == under) {
            return false;
        }
        left.push_back(window);
        return true;
    });
    for (HWND window : left) {
        if (session.Get(window) != nullptr) {
            PostInput(session, window, WM_MOUSELEAVE, 0, 0);
        }
    }
}

void RestartHoverWaits(Session& session, HWND under) {
    const std::int64_t now = session.Host().NowMilliseconds();
    auto& hovers = session.input.hoverTracked;
    std::erase_if(hovers,
                  [&](const InputState::HoverRequest& hover) { return hover.window != under; });
    for (InputState::HoverRequest& hover : hovers) {
        hover.due = now + hover.hoverTime;
    }
    session.UpdateWakeUp();
}

void PostDueHoverNotices(Session& session) {
    auto& hovers = session.input.hoverTracked;
    if (hovers.empty()) {
        return;
    }
    const std::int64_t now = session.Host().NowMilliseconds();
    std::vector<HWND> due;
    std::erase_if(hovers, [&](const InputState::HoverRequest& hover) {
        if (hover.due > now) {
            return false;
        }
        due.push_back(hover.window);
        return true;
    });
    for (HWND window : due) {
        POINT client = session.input.cursor;
        if (session.Get(window) != nullptr && ScreenToClient(window, &client)) {
            PostInput(session, window, WM_MOUSEHOVER, 0, MAKELPARAM(client.x, client.y));
        }
    }
    if (!due.empty()) {
        session.UpdateWakeUp();
    }
}

}  // namespace user

namespace {

// What the desktop takes for a pause of the mouse, when asked for the default.
constexpr DWORD kDefaultHoverTime = 400;

void TrackHover(user::Session& session, HWND window, DWORD flags, DWORD hoverTime) {
    auto& hovers = session.input.hoverTracked;
    std::erase_if(hovers, [&](const user::InputState::HoverRequest& hover) {
        return hover.window == window;
    });
    if (!(flags & TME_CANCEL) && WindowFromPoint(session.input.cursor) == window) {
        const DWORD time = hoverTime == HOVER_DEFAULT ? kDefaultHoverTime : hoverTime;
        hovers.push_back({window, time, session.Host().NowMilliseconds() + time});
    }
    session.UpdateWakeUp();
}

}  // namespace

bool TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack) {
    user::Session* session = user::Current();
    if (session == nullptr || lpEventTrack == nullptr ||
        lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) {
        return false;
    }
    const DWORD flags = lpEventTrack->dwFlags;
    const HWND window = lpEventTrack->hwndTrack;
    if ((flags & (TME_QUERY | TME_NONCLIENT)) || session->Get(window) == nullptr) {
        return false;
    }
    if (flags & TME_HOVER) {
        TrackHover(*session, window, flags, lpEventTrack->dwHoverTime);
    }
    if (!(flags & TME_LEAVE)) {
        return true;
    }
    auto& tracked = session->input.leaveTracked;
    if (flags & TME_CANCEL) {
        std::erase(tracked, window);
        return true;
    }
    if (std::find(tracked.begin(), tracked.end(), window) != tracked.end()) {
        return true;
    }
    if (WindowFromPoint(session->input.cursor) != window) {
        user::PostInput(*session, window, WM_MOUSELEAVE, 0, 0);
        return true;
    }
    tracked.push_back(window);
    return true;
}

bool _TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack) {
    return TrackMouseEvent(lpEventTrack);
}

}  // namespace win
