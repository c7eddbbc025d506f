#include "platform/host/qt/native_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEnterEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

#include "platform/host/qt/input_translation.h"
#include "platform/host/qt/pixel_image.h"
#include "platform/host/qt/span_region.h"
#include "platform/host/qt/virtual_key_map.h"
#include "platform/host/qt/window_flags.h"
#include "platform/host/qt/x11_window_state.h"

namespace win::host::desktop {

namespace {

QRect ToQRect(Rect rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

Rect FromQRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

Point ScreenPoint(const QPointF& global) {
    const QPoint rounded = global.toPoint();
    return {rounded.x(), rounded.y()};
}

}  // namespace

NativeWindow::NativeWindow(WindowId id, const WindowSpec& request, NativeWindowContext context)
    : QWidget(nullptr, WindowFlagsFor(request)),
      id_(id),
      spec_(request),
      context_(std::move(context)) {
    // Every pixel comes from our bitmap; Qt must not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QString::fromStdString(request.title));
    SetContent(request.content);
}

void NativeWindow::Push(EventQueue::Event event) {
    context_.events.Push(std::move(event));
}

// ---- geometry and pixels ----------------------------------------------------------------------

void NativeWindow::SetContent(Rect content) {
    spec_.content = content;
    // The presented view is only promised until now; keep our own copy until the next Present.
    if (!presented_.isNull()) {
        presented_ = presented_.copy();
    }
    const QRect geometry = ToQRect(content);
    setFixedSize(std::max(geometry.width(), 1), std::max(geometry.height(), 1));
    setGeometry(geometry);
}

void NativeWindow::Present(PixelView pixels, Rect dirty) {
    presented_ = WrapPixels(pixels);
    if (!dirty.IsEmpty()) {
        update(ToQRect(dirty));
    }
}

void NativeWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (presented_.isNull()) {
        painter.fillRect(area, Qt::black);
        Push([id = id_, dirty = FromQRect(area)](EventSink& sink) { sink.OnExposed(id, dirty); });
        return;
    }
    const QRect covered = area.intersected(presented_.rect());
    painter.drawImage(covered, presented_, covered);
    ++paintedFrames_;
    const QRegion uncovered = QRegion(area).subtracted(covered);
    for (const QRect& rect : uncovered) {
        painter.fillRect(rect, Qt::black);
    }
}

void NativeWindow::SetShape(std::span<const Span> spans) {
    setMask(RegionFromSpans(spans));
}

void NativeWindow::ClearShape() {
    clearMask();
}

void NativeWindow::ReportGeometryIfMoved() {
    const Rect now = FromQRect(geometry());
    if (!isVisible() || now == spec_.content) {
        return;
    }
    spec_.content = now;
    Push([id = id_, now](EventSink& sink) { sink.OnGeometryChanged(id, now); });
}

void NativeWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    ReportGeometryIfMoved();
}

void NativeWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ReportGeometryIfMoved();
}

// ---- desktop states ---------------------------------------------------------------------------

void NativeWindow::SetTopmost(bool topmost) {
    if (spec_.kind == WindowKind::Popup || spec_.topmost == topmost) {
        return;
    }
    spec_.topmost = topmost;
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, topmost);
    QWindow* window = windowHandle();
    if (window == nullptr) {
        setWindowFlags(flags);
        return;
    }
    // setWindowFlags would recreate and unmap a shown window; the native window takes the flag
    // as it is, and a mapped one is moved by the window manager on request.
    overrideWindowFlags(flags);
    window->setFlags(flags);
    if (isVisible()) {
        SetNetWmState(*window, "_NET_WM_STATE_ABOVE", topmost);
        SetNetWmState(*window, "_NET_WM_STATE_STAYS_ON_TOP", topmost);
    }
    if (spec_.decorated) {
        // Qt writes its own Motif hints along with the flags.
        SetCloseBoxOnly(*window);
    }
}

void NativeWindow::SetSkipTaskbar(bool skip) {
    spec_.skipTaskbar = skip;
    if (windowHandle() != nullptr) {
        SetNetWmState(*windowHandle(), "_NET_WM_STATE_SKIP_TASKBAR", skip);
    }
}

void NativeWindow::ApplyDesktopStates() {
    winId();  // the native window must exist for its properties
    if (QWindow* window = windowHandle()) {
        const bool skip = spec_.skipTaskbar || spec_.kind == WindowKind::Popup;
        SetNetWmState(*window, "_NET_WM_STATE_SKIP_TASKBAR", skip);
        if (spec_.decorated) {
            SetCloseBoxOnly(*window);
        }
    }
}

void NativeWindow::ShowWindow(bool activate) {
    const bool mayActivate = activate && spec_.kind == WindowKind::TopLevel;
    setAttribute(Qt::WA_ShowWithoutActivating, !mayActivate);
    if (!isVisible()) {
        // A window manager may drop the state of a withdrawn window, so it is written anew.
        ApplyDesktopStates();
    }
    setGeometry(ToQRect(spec_.content));
    show();
    if (mayActivate) {
        raise();
        activateWindow();
    }
}

void NativeWindow::SetMinimized(bool minimized) {
    minimized_ = minimized;
    const Qt::WindowStates states = windowState();
    setWindowState(minimized ? states | Qt::WindowMinimized : states & ~Qt::WindowMinimized);
}

void NativeWindow::HideWindow() {
    ReleaseInput();
    hide();
}

void NativeWindow::GrabInput() {
    grabbing_ = true;
    if (isVisible()) {
        grabMouse();
        grabKeyboard();
    }
}

void NativeWindow::ReleaseInput() {
    if (!grabbing_) {
        return;
    }
    grabbing_ = false;
    releaseMouse();
    releaseKeyboard();
}

void NativeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A grab asked for before the window was viewable is taken now.
    if (grabbing_) {
        grabMouse();
        grabKeyboard();
    }
}

// ---- pointer ----------------------------------------------------------------------------------

void NativeWindow::PushMouse(MouseAction action, const QPointF& global, MouseButton button,
                             Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int wheel) {
    const MouseEvent event{
        action, ScreenPoint(global), button, ButtonsFromQt(buttons), ModifiersFromQt(modifiers),
        wheel};
    Push([id = id_, event](EventSink& sink) { sink.OnMouse(id, event); });
}

void NativeWindow::mousePressEvent(QMouseEvent* event) {
    const MouseButton button = ButtonFromQt(event->button());
    const MouseAction action = context_.clicks.ClassifyPress(
        id_, button, ScreenPoint(event->globalPosition()), context_.now());
    PushMouse(action, event->globalPosition(), button, event->buttons(), event->modifiers());
}

void NativeWindow::mouseReleaseEvent(QMouseEvent* event) {
    PushMouse(MouseAction::Release, event->globalPosition(), ButtonFromQt(event->button()),
              event->buttons(), event->modifiers());
}

void NativeWindow::mouseDoubleClickEvent(QMouseEvent*) {
    // Already reported: the press before it was classified as the double click.
}

void NativeWindow::mouseMoveEvent(QMouseEvent* event) {
    PushMouse(MouseAction::Move, event->globalPosition(), MouseButton::None, event->buttons(),
              event->modifiers());
}

void NativeWindow::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        PushMouse(MouseAction::Wheel, event->globalPosition(), MouseButton::None, event->buttons(),
                  event->modifiers(), delta);
    }
}

void NativeWindow::enterEvent(QEnterEvent* event) {
    PushMouse(MouseAction::Enter, event->globalPosition(), MouseButton::None, event->buttons(),
              event->modifiers());
}

void NativeWindow::leaveEvent(QEvent*) {
    PushMouse(MouseAction::Leave, QCursor::pos(), MouseButton::None, Qt::NoButton, Qt::NoModifier);
}

// ---- keyboard ---------------------------------------------------------------------------------

void NativeWindow::keyPressEvent(QKeyEvent* event) {
    if (const int virtualKey = VirtualKeyFromQtKey(event->key(), event->modifiers())) {
        const KeyEvent key{KeyAction::Down, virtualKey, event->isAutoRepeat(),
                           ModifiersFromQt(event->modifiers())};
        Push([id = id_, key](EventSink& sink) { sink.OnKey(id, key); });
    }
    if (auto text = CharacterTextOfKey(event->text(), event->modifiers())) {
        Push([id = id_, text = std::move(*text)](EventSink& sink) { sink.OnText(id, text); });
    }
}

void NativeWindow::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats as downs only.
    if (event->isAutoRepeat()) {
        return;
    }
    if (const int virtualKey = VirtualKeyFromQtKey(event->key(), event->modifiers())) {
        const KeyEvent key{KeyAction::Up, virtualKey, false, ModifiersFromQt(event->modifiers())};
        Push([id = id_, key](EventSink& sink) { sink.OnKey(id, key); });
    }
}

void NativeWindow::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        Push([id = id_, text = event->commitString().toStdString()](EventSink& sink) {
            sink.OnText(id, text);
        });
    }
    event->accept();
}

bool NativeWindow::focusNextPrevChild(bool) {
    return false;
}

// ---- window manager requests ------------------------------------------------------------------

void NativeWindow::closeEvent(QCloseEvent* event) {
    // Our window manager decides; the window stays until it is destroyed.
    event->ignore();
    Push([id = id_](EventSink& sink) { sink.OnCloseRequested(id); });
}

void NativeWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const bool minimized = (windowState() & Qt::WindowMinimized) != 0;
        if (minimized != minimized_) {
            minimized_ = minimized;
            Push(
                [id = id_, minimized](EventSink& sink) { sink.OnMinimizedChanged(id, minimized); });
        }
        return;
    }
    if (event->type() != QEvent::ActivationChange) {
        return;
    }
    const bool active = isActiveWindow();
    if (active != active_) {
        active_ = active;
        Push([id = id_, active](EventSink& sink) { sink.OnActivationChanged(id, active); });
    }
}

}  // namespace win::host::desktop
