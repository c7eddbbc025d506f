#pragma once

#include <QSystemTrayIcon>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/host/host.h"
#include "platform/host/qt/event_queue.h"

namespace win::host::desktop {

// The process's one notification-area icon. A click arrives as the button's down then up, the
// way the tray callback of the design reports it; without a notification area it just waits.
class TrayIcon {
public:
    explicit TrayIcon(EventQueue& events);

    static bool Available() { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void Set(PixelView icon, std::string_view tip);
    void Show();
    void Remove();
    // Where the icon sits on the screen, once a notification area shows it.
    std::optional<Rect> Geometry() const;

private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    void PushTray(TrayAction action, MouseButton button);

    EventQueue& events_;
    // Created on first use: an icon object alone already talks to the desktop.
    std::unique_ptr<QSystemTrayIcon> icon_;
    QSystemTrayIcon& Icon();
};

}  // namespace win::host::desktop
