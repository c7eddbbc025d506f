#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>

#include "platform/host/host.h"
#include "platform/host/qt/double_click_detector.h"
#include "platform/host/qt/event_queue.h"

namespace win::host::desktop {

// What every native window shares: where its events go, how presses become double clicks,
// and the host's clock.
struct NativeWindowContext {
    EventQueue& events;
    DoubleClickDetector& clicks;
    std::function<std::int64_t()> now;
};

// One top-level window or popup of ours: shows the presented bitmap and turns Qt's input into
// events for the sink.
class NativeWindow final : public QWidget {
public:
    NativeWindow(WindowId id, const WindowSpec& request, NativeWindowContext context);

    WindowId Id() const { return id_; }
    const WindowSpec& Request() const { return spec_; }

    void SetContent(Rect content);
    void Present(PixelView pixels, Rect dirty);
    void SetShape(std::span<const Span> spans);
    void ClearShape();
    void SetTopmost(bool topmost);
    void SetSkipTaskbar(bool skip);
    void ShowWindow(bool activate);
    void HideWindow();
    // Kept while hidden: a minimised window shows again minimised.
    void SetMinimized(bool minimized);
    void GrabInput();
    void ReleaseInput();
    // How many times presented pixels were painted to the screen.
    std::uint64_t PaintedFrames() const { return paintedFrames_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Tab and Shift+Tab are keys for our window manager, not focus moves between Qt widgets.
    bool focusNextPrevChild(bool next) override;

private:
    void Push(EventQueue::Event event);
    void PushMouse(MouseAction action, const QPointF& global, MouseButton button,
                   Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int wheel = 0);
    void ApplyDesktopStates();
    void ReportGeometryIfMoved();

    WindowId id_;
    WindowSpec spec_;
    NativeWindowContext context_;
    QImage presented_;
    bool active_ = false;
    // As last asked for or reported, so that only the desktop's own changes are reported.
    bool minimized_ = false;
    bool grabbing_ = false;
    std::uint64_t paintedFrames_ = 0;
};

}  // namespace win::host::desktop
