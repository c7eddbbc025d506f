#include "platform/user/messaging.h"

#include "platform/user/host_bridge.h"
#include "platform/user/session.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_messages.h"

namespace win {

namespace {

bool InRange(UINT message, UINT min, UINT max) {
    return (min == 0 && max == 0) || (message >= min && message <= max);
}

bool Matches(const MSG& msg, HWND filter, UINT min, UINT max) {
    return (!filter || msg.hwnd == filter) && InRange(msg.message, min, max);
}

bool TakeFrom(std::deque<MSG>& queue, MSG* msg, HWND filter, UINT min, UINT max, bool remove) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (Matches(*it, filter, min, max)) {
            *msg = *it;
            if (remove) {
                queue.erase(it);
            }
            return true;
        }
    }
    return false;
}

MSG Generated(const user::Session& session, HWND window, UINT message, WPARAM wParam,
              LPARAM lParam) {
    MSG msg{window,
            message,
            wParam,
            lParam,
            static_cast<DWORD>(session.Host().NowMilliseconds()),
            session.input.cursor};
    return msg;
}

// One look at everything a message can come from, in Windows' order of precedence.
bool RetrieveOne(user::Session& session, MSG* msg, HWND filter, UINT min, UINT max, bool remove) {
    user::PumpHost(session);
    user::PostDueHoverNotices(session);
    if (TakeFrom(session.posted, msg, filter, min, max, remove)) {
        session.messageTime = static_cast<LONG>(msg->time);
        return true;
    }
    while (TakeFrom(session.inputMessages, msg, filter, min, max, remove)) {
        session.messageTime = static_cast<LONG>(msg->time);
        if (!remove || user::PrepareMouseMessage(session, *msg)) {
            return true;
        }
    }
    if (session.quitCode) {
        *msg = Generated(session, nullptr, WM_QUIT, static_cast<WPARAM>(*session.quitCode), 0);
        if (remove) {
            session.quitCode.reset();
        }
        return true;
    }
    if (InRange(WM_PAINT, min, max)) {
        if (const HWND window = user::FindWindowToPaint(session, filter)) {
            *msg = Generated(session, window, WM_PAINT, 0, 0);
            return true;
        }
    }
    if (InRange(WM_TIMER, min, max)) {
        const std::int64_t now = session.Host().NowMilliseconds();
        if (const user::Timer* timer = session.timers.FirstDue(now, filter)) {
            *msg = Generated(session, timer->window, WM_TIMER, timer->id,
                             reinterpret_cast<LPARAM>(timer->callback));
            if (remove) {
                session.timers.Rearm(timer->window, timer->id, now);
                session.UpdateWakeUp();
            }
            session.messageTime = static_cast<LONG>(msg->time);
            return true;
        }
    }
    // Nothing left: this batch is over, so the desktop gets what changed.
    user::PresentDirtySurfaces(session);
    session.UpdateWakeUp();
    return false;
}

LRESULT DispatchTimer(user::Session& session, const MSG& msg) {
    if (msg.lParam == 0) {
        return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    }
    // Only the callback the timer was set with runs; a forged or stale address does not.
    const user::Timer* timer = session.timers.Find(msg.hwnd, msg.wParam);
    if (timer == nullptr || reinterpret_cast<LPARAM>(timer->callback) != msg.lParam) {
        return 0;
    }
    const TIMERPROC callback = timer->callback;
    callback(msg.hwnd, WM_TIMER, msg.wParam, static_cast<DWORD>(session.Host().NowMilliseconds()));
    return 0;
}

}  // namespace

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return 0;
    }
    const auto held = session->Hold(hWnd);
    const user::Window* window = session->Get(hWnd);
    if (window == nullptr) {
        return 0;
    }
    return CallWindowProc(window->procedure, hWnd, Msg, wParam, lParam);
}

bool PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    user::Session* session = user::Current();
    if (session == nullptr || (hWnd && session->Get(hWnd) == nullptr)) {
        return false;
    }
    session->posted.push_back(Generated(*session, hWnd, Msg, wParam, lParam));
    return true;
}

void PostQuitMessage(int nExitCode) {
    if (user::Session* session = user::Current()) {
        session->quitCode = nExitCode;
    }
}

int GetMessage(MSG* msg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (msg == nullptr) {
        return -1;
    }
    for (;;) {
        user::Session* session = user::Current();
        if (session == nullptr || (hWnd && session->Get(hWnd) == nullptr)) {
            return -1;
        }
        if (RetrieveOne(*session, msg, hWnd, wMsgFilterMin, wMsgFilterMax, true)) {
            return msg->message == WM_QUIT ? 0 : 1;
        }
        user::WaitForHost(*session);
    }
}

bool PeekMessage(MSG* msg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    user::Session* session = user::Current();
    if (msg == nullptr || session == nullptr) {
        return false;
    }
    return RetrieveOne(*session, msg, hWnd, wMsgFilterMin, wMsgFilterMax,
                       (wRemoveMsg & PM_REMOVE) != 0);
}

LRESULT DispatchMessage(const MSG* msg) {
    user::Session* session = user::Current();
    if (msg == nullptr || session == nullptr) {
        return 0;
    }
    if (msg->message == WM_TIMER) {
        return DispatchTimer(*session, *msg);
    }
    if (!msg->hwnd) {
        return 0;
    }
    if (msg->message != WM_PAINT) {
        return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    }
    if (user::Window* window = session->Get(msg->hwnd)) {
        window->paintStarted = false;
    }
    const LRESULT result = SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    if (user::Session* after = user::Current()) {
        user::ValidateAfterUnhandledPaint(*after, msg->hwnd);
    }
    return result;
}

LONG GetMessageTime() {
    user::Session* session = user::Current();
    return session ? session->messageTime : 0;
}

DWORD GetTickCount() {
    user::Session* session = user::Current();
    return session ? static_cast<DWORD>(session->Host().NowMilliseconds()) : 0;
}

bool ProcessPendingMessages() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The quit belongs to the loop that runs the program; leave it for that loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        DispatchMessage(&msg);
    }
    return true;
}

}  // namespace win

namespace win::user {

void PostInput(Session& session, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    session.inputMessages.push_back(Generated(session, window, message, wParam, lParam));
}

}  // namespace win::user
