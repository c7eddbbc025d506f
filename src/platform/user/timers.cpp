#include "platform/user/timers.h"

#include <algorithm>

#include "platform/user/session.h"

namespace win {

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    user::Session* session = user::Current();
    if (session == nullptr || (hWnd && session->Get(hWnd) == nullptr) || (hWnd && nIDEvent == 0)) {
        return 0;
    }
    const UINT elapse = std::clamp(uElapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    UINT_PTR id = nIDEvent;
    if (!hWnd && (id == 0 || session->timers.Find(nullptr, id) == nullptr)) {
        id = session->timers.NewThreadTimerId();
    }
    session->timers.Set(
        {hWnd, id, elapse, session->Host().NowMilliseconds() + elapse, lpTimerFunc});
    session->UpdateWakeUp();
    return id;
}

bool KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    user::Session* session = user::Current();
    if (session == nullptr || !session->timers.Kill(hWnd, uIDEvent)) {
        return false;
    }
    session->UpdateWakeUp();
    return true;
}

}  // namespace win
