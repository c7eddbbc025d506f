#pragma once

// The seam between our window manager and a real (or simulated) desktop. Everything the program
// shows is drawn by us into 32-bit bitmaps; a host only puts those pixels into native windows,
// reports input, and lends the desktop's services (clock, tray, clipboard, web view, theme, ...).
//
// Threading: every call is made on the user-interface thread, and the host calls the event sink
// only from inside ProcessPendingEvents or WaitForEvents.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace win::text {
class TextEngine;
}

namespace win::host {

// ---- value types --------------------------------------------------------------------------------

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Half-open: covers left <= x < right, top <= y < bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool operator==(const Rect&) const = default;
};

// Extra space a desktop-decorated window takes around its content (title bar and frame).
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Margins&) const = default;
};

// One horizontal run of a window shape: row y, pixels left <= x < right, relative to the
// window's content origin.
struct Span {
    int y = 0;
    int left = 0;
    int right = 0;
    bool operator==(const Span&) const = default;
};

// Read-only pixels: top-down rows, 0x00RRGGBB per pixel, `stride` pixels from one row to the next.
struct PixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// Writable pixels in the same layout.
struct PixelTarget {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// A native window of the host. Identifiers are never reused within a run.
enum class WindowId : std::uint64_t { None = 0 };
enum class WebViewId : std::uint64_t { None = 0 };

// ---- native windows -----------------------------------------------------------------------------

enum class WindowKind {
    // An ordinary top-level window: may be decorated, takes activation.
    TopLevel,
    // A menu or drop-down list: undecorated, above everything, never activated, never on the
    // taskbar; may grab the pointer.
    Popup,
};

struct WindowSpec {
    WindowKind kind = WindowKind::TopLevel;
    // Where our pixels go on the screen. For a decorated window the desktop's frame lies
    // outside this rectangle (see Host::DecorationMargins).
    Rect content;
    std::string title;
    // Title bar and frame drawn by the desktop, with a close box only; no minimise or maximise.
    bool decorated = false;
    bool topmost = false;
    bool skipTaskbar = false;
    // The window this one belongs to (kept above it by the desktop); None for none.
    WindowId owner = WindowId::None;
};

enum class CursorShape {
    Arrow,
    Hand,
    IBeam,
    Wait,
    Cross,
    SizeAll,
    SizeWestEast,
    SizeNorthSouth,
    No,
};

// ---- input --------------------------------------------------------------------------------------

struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool operator==(const Modifiers&) const = default;
};

enum class MouseButton { None, Left, Right, Middle, X1, X2 };

struct MouseButtons {
    bool left = false;
    bool right = false;
    bool middle = false;
    bool x1 = false;
    bool x2 = false;
    bool operator==(const MouseButtons&) const = default;
};

enum class MouseAction {
    Move,
    Press,
    Release,
    // The second press of a double click; the host reports it instead of a second Press.
    DoubleClick,
    Wheel,
    // The pointer entered or left the window.
    Enter,
    Leave,
};

struct MouseEvent {
    MouseAction action = MouseAction::Move;
    // Screen coordinates, also for a grabbing popup when the pointer is outside it.
    Point screen;
    // The button that changed, for Press, Release and DoubleClick.
    MouseButton button = MouseButton::None;
    // Buttons held after the event.
    MouseButtons buttons;
    Modifiers modifiers;
    // Wheel rotation in 1/120 of a notch; positive away from the user.
    int wheelDelta = 0;
};

enum class KeyAction { Down, Up };

struct KeyEvent {
    KeyAction action = KeyAction::Down;
    // Windows virtual-key code (VK_SPACE 0x20, 'A' 0x41, VK_MENU 0x12, VK_F10 0x79, ...).
    int virtualKey = 0;
    // A key-down generated by holding the key.
    bool autoRepeat = false;
    Modifiers modifiers;
};

enum class TrayAction { Press, Release, DoubleClick, Move };

struct TrayEvent {
    TrayAction action = TrayAction::Press;
    MouseButton button = MouseButton::None;
    Point screen;
};

// What the host reports. Implemented by our window manager.
class EventSink {
public:
    virtual ~EventSink() = default;

    // Pointer input for the window under the pointer, or for the popup that holds the grab.
    virtual void OnMouse(WindowId window, const MouseEvent& event) = 0;
    // Keys for the active window, or for the popup that holds the grab. Every key comes as a
    // key, Enter, Tab, Escape and Backspace included; modifiers come as keys too (VK_SHIFT,
    // VK_CONTROL, VK_MENU) and in `modifiers`.
    virtual void OnKey(WindowId window, const KeyEvent& event) = 0;
    // Committed text: typed characters or an input method's result, UTF-8. Control characters
    // are ignored here; the window manager makes them from the keys.
    virtual void OnText(WindowId window, std::string_view utf8) = 0;
    // The desktop's close box or close command.
    virtual void OnCloseRequested(WindowId window) = 0;
    // The desktop activated or deactivated one of our windows.
    virtual void OnActivationChanged(WindowId window, bool active) = 0;
    // Part of the content needs its pixels again (content coordinates); present them again.
    virtual void OnExposed(WindowId window, Rect dirty) = 0;
    // The desktop moved or resized a window (a user dragged its frame).
    virtual void OnGeometryChanged(WindowId window, Rect content) = 0;
    // The desktop minimised a window or brought it back of its own accord (its minimise button,
    // a key, its window list).
    virtual void OnMinimizedChanged(WindowId window, bool minimized) = 0;
    // A host that closes popups by itself (a press outside while grabbed) tells so here.
    virtual void OnPopupDismissed(WindowId window) = 0;
    // Screen size or work area changed.
    virtual void OnDisplayChanged() = 0;
    virtual void OnSystemColorsChanged() = 0;
    virtual void OnThemeChanged() = 0;
    virtual void OnTrayIcon(const TrayEvent& event) = 0;
    // Logout, shutdown or a terminating signal. Reported once.
    virtual void OnSessionEnding() = 0;
    // The time given to SetWakeUp has come.
    virtual void OnWakeUp() = 0;
};

// ---- services -----------------------------------------------------------------------------------

enum class PushButtonState { Normal, Hot, Pressed, Disabled, Default };

// The desktop's visual style for push buttons. A host without one returns nullptr from GetTheme().
class Theme {
public:
    virtual ~Theme() = default;

    // Draws the push-button panel filling `bounds` of `target` (no caption, no focus mark).
    virtual void DrawPushButton(PixelTarget target, Rect bounds, PushButtonState state) = 0;
    // The pixels a panel of this size covers, relative to its top-left corner; the rest of the
    // rectangle shows through.
    virtual std::vector<Span> PushButtonShape(Size size, PushButtonState state) = 0;
};

// How a started process shows its first window (SW_HIDE 0, SW_SHOWNORMAL 1, ...).
enum class ProcessWindowHint { Hidden, Normal, Minimized, Maximized };

class Host {
public:
    virtual ~Host() = default;

    // Where events go. Set once by the window manager before anything else runs.
    virtual void SetEventSink(EventSink* sink) = 0;

    // -- native windows
    virtual WindowId CreateNativeWindow(const WindowSpec& request) = 0;
    virtual void DestroyNativeWindow(WindowId window) = 0;
    virtual void SetContentRect(WindowId window, Rect content) = 0;
    virtual void SetTitle(WindowId window, std::string_view title) = 0;
    virtual void SetTopmost(WindowId window, bool topmost) = 0;
    virtual void SetSkipTaskbar(WindowId window, bool skip) = 0;
    // The picture for the title bar and taskbar.
    virtual void SetIcon(WindowId window, PixelView icon) = 0;
    // Only these spans of the content are part of the window, for drawing and for input.
    virtual void SetShape(WindowId window, std::span<const Span> spans) = 0;
    // Back to the whole content rectangle.
    virtual void ClearShape(WindowId window) = 0;
    // `pixels` covers the whole content. The host may keep the view (not a copy) and read it
    // again on exposure until the next Present or SetContentRect of this window, or its
    // destruction; `dirty` (content coordinates) is what changed.
    virtual void Present(WindowId window, PixelView pixels, Rect dirty) = 0;
    virtual void SetCursorShape(WindowId window, CursorShape shape) = 0;
    virtual void Show(WindowId window, bool activate) = 0;
    virtual void Hide(WindowId window) = 0;
    virtual void Activate(WindowId window) = 0;
    virtual void Raise(WindowId window) = 0;
    // Minimises the window, or brings it back to its size and place. A minimised window stays
    // shown as far as Show and Hide go; the desktop keeps it as an icon, or out of sight.
    virtual void SetMinimized(WindowId window, bool minimized) = 0;
    // A popup takes every pointer and key event until released or destroyed.
    virtual void GrabPointer(WindowId popup) = 0;
    virtual void ReleasePointer(WindowId popup) = 0;
    // Space the desktop's frame adds around the content of a decorated window.
    virtual Margins DecorationMargins() const = 0;

    // -- time and the event loop. Our own message loop is built on these: running it is calling
    // WaitForEvents until quit, a nested loop is a nested call.
    // Milliseconds of a steady clock; never goes back.
    virtual std::int64_t NowMilliseconds() const = 0;
    // Calls OnWakeUp once when the steady clock reaches `due`; replaces any earlier wake-up.
    // std::nullopt cancels.
    virtual void SetWakeUp(std::optional<std::int64_t> due) = 0;
    // Delivers every event already waiting, without blocking.
    virtual void ProcessPendingEvents() = 0;
    // Blocks until at least one event or the wake-up arrives, then delivers what is waiting.
    virtual void WaitForEvents() = 0;

    // -- text: the engine the raster draws with; nullptr means the raster's built-in engine.
    virtual std::shared_ptr<win::text::TextEngine> GetTextEngine() = 0;

    // -- screen and pointer
    virtual Size ScreenSize() const = 0;
    // The screen minus panels and docks.
    virtual Rect WorkArea() const = 0;
    virtual Point CursorPosition() const = 0;

    // -- clipboard (text only); std::nullopt when it holds no text.
    virtual std::optional<std::string> ClipboardText() const = 0;
    virtual void SetClipboardText(std::string_view utf8) = 0;

    // -- the tray icon: one per process. Events arrive through OnTrayIcon.
    virtual bool TrayAvailable() const = 0;
    virtual void SetTrayIcon(PixelView icon, std::string_view tip) = 0;
    virtual void ShowTrayIcon() = 0;
    virtual void RemoveTrayIcon() = 0;

    // -- an embedded web page inside one of our windows, at a rectangle of its content.
    // std::nullopt when this host has no web view.
    virtual std::optional<WebViewId> CreateWebView(WindowId window, Rect bounds) = 0;
    virtual void MoveWebView(WebViewId view, Rect bounds) = 0;
    virtual void SetWebViewVisible(WebViewId view, bool visible) = 0;
    virtual void Navigate(WebViewId view, std::string_view url) = 0;
    virtual void DestroyWebView(WebViewId view) = 0;

    // -- the desktop's services. Both return false when nothing could be started.
    virtual bool OpenUrl(std::string_view url) = 0;
    // argv[0] is the program; the arguments are passed as they are, never through a shell.
    // The process is not waited for.
    virtual bool StartDetachedProcess(const std::vector<std::string>& argv,
                                      ProcessWindowHint hint) = 0;

    // -- the desktop's visual style; nullptr when there is none.
    virtual Theme* GetTheme() = 0;
};

}  // namespace win::host
