#include "platform/host/qt/tray_icon.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include "platform/host/qt/pixel_image.h"

namespace win::host::desktop {

TrayIcon::TrayIcon(EventQueue& events) : events_(events) {}

QSystemTrayIcon& TrayIcon::Icon() {
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>();
        QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) { OnActivated(reason); });
    }
    return *icon_;
}

void TrayIcon::Set(PixelView icon, std::string_view tip) {
    const QImage image = CopyPixels(icon);
    if (!image.isNull()) {
        Icon().setIcon(QIcon(QPixmap::fromImage(image)));
    }
    Icon().setToolTip(QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())));
}

void TrayIcon::Show() {
    Icon().show();
}

void TrayIcon::Remove() {
    if (icon_) {
        icon_->hide();
    }
}

std::optional<Rect> TrayIcon::Geometry() const {
    if (!icon_ || !icon_->isVisible()) {
        return std::nullopt;
    }
    const QRect rect = icon_->geometry();
    if (rect.isEmpty()) {
        return std::nullopt;
    }
    return Rect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

void TrayIcon::PushTray(TrayAction action, MouseButton button) {
    const QPoint at = QCursor::pos();
    const TrayEvent event{action, button, {at.x(), at.y()}};
    events_.Push([event](EventSink& sink) { sink.OnTrayIcon(event); });
}

void TrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Context:
            PushTray(TrayAction::Press, MouseButton::Right);
            PushTray(TrayAction::Release, MouseButton::Right);
            break;
        case QSystemTrayIcon::Trigger:
            PushTray(TrayAction::Press, MouseButton::Left);
            PushTray(TrayAction::Release, MouseButton::Left);
            break;
        case QSystemTrayIcon::DoubleClick:
            PushTray(TrayAction::DoubleClick, MouseButton::Left);
            PushTray(TrayAction::Release, MouseButton::Left);
            break;
        case QSystemTrayIcon::MiddleClick:
            PushTray(TrayAction::Press, MouseButton::Middle);
            PushTray(TrayAction::Release, MouseButton::Middle);
            break;
        case QSystemTrayIcon::Unknown:
            break;
    }
}

}  // namespace win::host::desktop
