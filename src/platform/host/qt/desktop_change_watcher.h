#pragma once

#include <QObject>
#include <QPointer>
#include <QScreen>

#include "platform/host/qt/event_queue.h"

namespace win::host::desktop {

// Reports palette, theme and screen changes, once per change however many windows Qt tells.
class DesktopChangeWatcher final : public QObject {
public:
    explicit DesktopChangeWatcher(EventQueue& events);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Change { Colors, Theme, Display };
    void Report(Change change);
    void WatchScreen(QScreen* screen);

    EventQueue& events_;
    bool pending_[3] = {false, false, false};
};

}  // namespace win::host::desktop
