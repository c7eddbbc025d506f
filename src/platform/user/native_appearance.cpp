#include "platform/user/surface.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_icon.h"
#include "platform/user/window_styles.h"

// What a top-level window looks like on the desktop follows its styles: popup or decorated,
// on the taskbar or not, topmost or not. A host cannot turn one kind of native window into
// another, so a change of kind, frame or owner gets a new native window over the same bitmap.
namespace win::user {

namespace {

host::WindowSpec DescribeNativeWindow(const Session& session, const Window& window) {
    host::WindowSpec request;
    request.kind = IsHostPopup(window) ? host::WindowKind::Popup : host::WindowKind::TopLevel;
    request.content = ToHostRect(ContentRect(session, window));
    request.title = window.text;
    request.decorated = IsHostDecorated(window);
    request.topmost = (window.exStyle & WS_EX_TOPMOST) != 0;
    request.skipTaskbar = ((window.exStyle & WS_EX_TOOLWINDOW) || window.owner) &&
                          !(window.exStyle & WS_EX_APPWINDOW);
    if (Window* owner = session.Get(window.owner)) {
        if (const Window* ownerTop = TopLevelOf(session, *owner);
            ownerTop && ownerTop->surface && ownerTop->surface->HasNative()) {
            request.owner = ownerTop->surface->Native();
        }
    }
    return request;
}

bool NeedsNewNative(const host::WindowSpec& current, const host::WindowSpec& wanted) {
    return current.kind != wanted.kind || current.decorated != wanted.decorated ||
           current.owner != wanted.owner;
}

bool HoldsPointerGrab(const Session& session, Window& topLevel) {
    Window* capture = session.Get(session.input.capture);
    return capture != nullptr && TopLevelOf(session, *capture) == &topLevel &&
           IsHostPopup(topLevel);
}

void OpenNative(Session& session, Window& window, const host::WindowSpec& request) {
    // The styles decide whether the desktop frames the window, and so how big the content is.
    ResizeSurface(session, window);
    if (window.surface->HasNative()) {
        session.UnmapNative(window.surface->Native());
    }
    window.surface->OpenNative(request);
    session.MapNative(window.surface->Native(), window.handle);
    ShapeNativeWindow(session, window);
    ShowIconOnDesktop(session, window);
}

// A replacement native window starts hidden, inactive and without the grab.
void RestoreDesktopState(Session& session, Window& window) {
    const host::WindowId native = window.surface->Native();
    if (window.IsVisible()) {
        session.Host().Show(native, false);
        if (session.input.active == window.handle) {
            session.Host().Activate(native);
        }
    }
    if (HoldsPointerGrab(session, window)) {
        session.Host().GrabPointer(native);
    }
}

// Owned windows name their owner's native window, which may just have changed.
void MatchOwnedWindows(Session& session, Window& owner) {
    const std::vector<HWND> topLevels = session.topLevels;
    for (HWND handle : topLevels) {
        Window* window = session.Get(handle);
        Window* itsOwner = window ? session.Get(window->owner) : nullptr;
        if (itsOwner != nullptr && TopLevelOf(session, *itsOwner) == &owner) {
            MatchNativeWindow(session, *window);
        }
    }
}

}  // namespace

void CreateSurface(Session& session, Window& window) {
    const RECT content = ContentRect(session, window);
    window.surface = std::make_unique<Surface>(session.Host(), Width(content), Height(content));
}

host::WindowId EnsureNativeWindow(Session& session, Window& topLevel) {
    if (!topLevel.surface) {
        return host::WindowId::None;
    }
    if (!topLevel.surface->HasNative()) {
        OpenNative(session, topLevel, DescribeNativeWindow(session, topLevel));
        MatchOwnedWindows(session, topLevel);
    }
    return topLevel.surface->Native();
}

void MatchNativeWindow(Session& session, Window& topLevel) {
    if (topLevel.IsChild() || !topLevel.surface) {
        return;
    }
    ResizeSurface(session, topLevel);
    if (!topLevel.surface->HasNative()) {
        return;
    }
    Surface& surface = *topLevel.surface;
    const host::WindowSpec wanted = DescribeNativeWindow(session, topLevel);
    if (!NeedsNewNative(surface.NativeRequest(), wanted)) {
        surface.SetTopmost(wanted.topmost);
        surface.SetSkipTaskbar(wanted.skipTaskbar);
        return;
    }
    const bool reframed = surface.NativeRequest().decorated != wanted.decorated;
    OpenNative(session, topLevel, wanted);
    RestoreDesktopState(session, topLevel);
    if (reframed && topLevel.IsVisible()) {
        InvalidateWindowArea(session, topLevel);
    }
    MatchOwnedWindows(session, topLevel);
}

}  // namespace win::user
