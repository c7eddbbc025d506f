#include "platform/user/mouse_capture.h"

#include "platform/user/messaging.h"
#include "platform/user/session.h"
#include "platform/user/surface.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_messages.h"

namespace win {

namespace {

void SetHostGrab(user::Session& session, HWND handle, bool grab) {
    user::Window* window = session.Get(handle);
    user::Window* topLevel = window ? user::TopLevelOf(session, *window) : nullptr;
    if (topLevel == nullptr || !topLevel->surface || !user::IsHostPopup(*topLevel)) {
        return;
    }
    if (grab) {
        session.Host().GrabPointer(user::EnsureNativeWindow(session, *topLevel));
    } else if (topLevel->surface->HasNative()) {
        session.Host().ReleasePointer(topLevel->surface->Native());
    }
}

}  // namespace

HWND SetCapture(HWND hWnd) {
    user::Session* session = user::Current();
    if (session == nullptr || session->Get(hWnd) == nullptr) {
        return nullptr;
    }
    const HWND previous = session->input.capture;
    if (previous == hWnd) {
        return previous;
    }
    session->input.capture = hWnd;
    SetHostGrab(*session, previous, false);
    SetHostGrab(*session, hWnd, true);
    if (session->Get(previous) != nullptr) {
        SendMessage(previous, WM_CAPTURECHANGED, 0, hWnd.Value());
    }
    return session->Get(previous) ? previous : HWND{};
}

bool ReleaseCapture() {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return false;
    }
    const HWND previous = session->input.capture;
    if (!previous) {
        return true;
    }
    session->input.capture = nullptr;
    SetHostGrab(*session, previous, false);
    if (session->Get(previous) != nullptr) {
        SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    }
    return true;
}

HWND GetCapture() {
    user::Session* session = user::Current();
    return session && session->Get(session->input.capture) ? session->input.capture : HWND{};
}

}  // namespace win
