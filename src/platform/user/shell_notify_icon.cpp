#include "platform/user/shell_notify_icon.h"

#include "platform/gdi/device_access.h"
#include "platform/user/messaging.h"
#include "platform/user/session.h"
#include "platform/user/user_internal.h"

namespace win {

namespace {

void ApplyToHost(user::Session& session, const user::TrayRegistration& tray) {
    host::PixelView icon;
    if (const auto pixels = gdi::ReadBitmapPixels(tray.icon)) {
        icon = {pixels->pixels, pixels->width, pixels->height, pixels->stride};
    }
    session.Host().SetTrayIcon(icon, tray.tip);
}

void Merge(user::TrayRegistration& tray, const NOTIFYICONDATA& data) {
    tray.window = data.hWnd;
    tray.id = data.uID;
    if (data.uFlags & NIF_MESSAGE) {
        tray.callbackMessage = data.uCallbackMessage;
        tray.notifies = true;
    }
    if (data.uFlags & NIF_ICON) {
        tray.icon = data.hIcon;
    }
    if (data.uFlags & NIF_TIP) {
        tray.tip = data.szTip;
    }
}

}  // namespace

namespace user {

void PostTrayNotification(Session& session, UINT mouseMessage) {
    const auto& tray = session.tray;
    if (tray && tray->notifies && session.Get(tray->window) != nullptr) {
        PostMessage(tray->window, tray->callbackMessage, tray->id,
                    static_cast<LPARAM>(mouseMessage));
    }
}

}  // namespace user

bool Shell_NotifyIcon(DWORD dwMessage, const NOTIFYICONDATA* lpData) {
    user::Session* session = user::Current();
    if (session == nullptr || lpData == nullptr) {
        return false;
    }
    auto& tray = session->tray;
    switch (dwMessage) {
        case NIM_ADD:
            if (!session->Host().TrayAvailable()) {
                return false;
            }
            tray = user::TrayRegistration{};
            Merge(*tray, *lpData);
            ApplyToHost(*session, *tray);
            session->Host().ShowTrayIcon();
            return true;
        case NIM_MODIFY:
            if (!tray || tray->window != lpData->hWnd || tray->id != lpData->uID) {
                return false;
            }
            Merge(*tray, *lpData);
            ApplyToHost(*session, *tray);
            return true;
        case NIM_DELETE:
            if (!tray || tray->window != lpData->hWnd || tray->id != lpData->uID) {
                return false;
            }
            tray.reset();
            session->Host().RemoveTrayIcon();
            return true;
        default:
            return false;
    }
}

}  // namespace win
