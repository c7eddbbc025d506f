#include "platform/host/qt/desktop_change_watcher.h"

#include <QEvent>
#include <QGuiApplication>

namespace win::host::desktop {

DesktopChangeWatcher::DesktopChangeWatcher(EventQueue& events) : events_(events) {
    QCoreApplication::instance()->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        WatchScreen(screen);
        Report(Change::Display);
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { Report(Change::Display); });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this,
            [this] { Report(Change::Display); });
    for (QScreen* screen : QGuiApplication::screens()) {
        WatchScreen(screen);
    }
}

void DesktopChangeWatcher::WatchScreen(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, [this] { Report(Change::Display); });
    connect(screen, &QScreen::availableGeometryChanged, this, [this] { Report(Change::Display); });
}

bool DesktopChangeWatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ApplicationPaletteChange:
            Report(Change::Colors);
            break;
        case QEvent::ThemeChange:
            Report(Change::Theme);
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void DesktopChangeWatcher::Report(Change change) {
    bool& pending = pending_[static_cast<int>(change)];
    if (pending) {
        return;
    }
    pending = true;
    events_.Push([this, change, &pending](EventSink& sink) {
        pending = false;
        switch (change) {
            case Change::Colors:
                sink.OnSystemColorsChanged();
                break;
            case Change::Theme:
                sink.OnThemeChanged();
                break;
            case Change::Display:
                sink.OnDisplayChanged();
                break;
        }
    });
}

}  // namespace win::host::desktop
