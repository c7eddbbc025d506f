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

}  // namespace user

bool TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack) {
    user::Session* session = user::Current();
    if (session == nullptr || lpEventTrack == nullptr ||
        lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) {
        return false;
    }
    const DWORD flags = lpEventTrack->dwFlags;
    const HWND window = lpEventTrack->hwndTrack;
    if ((flags & (TME_HOVER | TME_QUERY | TME_NONCLIENT)) || session->Get(window) == nullptr) {
        return false;
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
