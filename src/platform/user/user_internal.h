#pragma once

#include "platform/user/session.h"

// Calls between the window manager's parts that are not part of its API.
namespace win::user {

// Painting.
void InvalidateWindowArea(Session& session, Window& window);
void InvalidateParentArea(Session& session, Window& window);
void ResizeSurface(Session& session, Window& topLevel);
void PresentDirtySurfaces(Session& session);
HWND FindWindowToPaint(Session& session, HWND filter);
void ValidateAfterUnhandledPaint(Session& session, HWND window);

// Native windows. The bitmap comes with the window, the native window once its creation is done
// (or earlier, when something must be shown).
void CreateSurface(Session& session, Window& window);
// The top-level window's native window, made now when it has none yet.
host::WindowId EnsureNativeWindow(Session& session, Window& topLevel);
// After a change of styles or owner: the native window becomes what they now ask for.
void MatchNativeWindow(Session& session, Window& topLevel);
// After WS_EX_TOPMOST changed: the window moves to the top of its new stacking band.
void PlaceInStackingBand(Session& session, Window& topLevel);

// Geometry.
void RecalculateClientArea(Session& session, Window& window);
void SyncNativeGeometry(Session& session, Window& topLevel);
void ShapeNativeWindow(Session& session, Window& topLevel);

// Input and activation.
// Where the mouse at a screen point goes, and the window's WM_NCHITTEST answer there; null when
// nothing of ours takes it. `named` is the top-level window the desktop delivered to.
struct MouseRoute {
    HWND window;
    LRESULT hit = 0;
};
MouseRoute RouteMouse(Session& session, POINT screen, HWND named);
// `candidate` is a (grand)child of `ancestor`.
bool IsDescendant(const Session& session, HWND candidate, HWND ancestor);
bool IsActivatable(const Window& window);
void ActivateWindow(Session& session, HWND window, WPARAM how);
void DeactivateActive(Session& session, HWND next);
// Minimises a top-level window or brings it back; `fromDesktop` when the desktop already did.
void SetMinimized(Session& session, Window& topLevel, bool minimized, bool fromDesktop);
void ForgetInputOf(Session& session, Window& window);
void MoveFocus(Session& session, HWND to);
// WM_MOUSELEAVE to every window with a leave request that the cursor is no longer over.
void PostLeaveNotices(Session& session, HWND under);
// A move restarts the hover wait of the window under the cursor and ends the others'.
void RestartHoverWaits(Session& session, HWND under);
// WM_MOUSEHOVER to every window the cursor has rested on for its hover time.
void PostDueHoverNotices(Session& session);
void PostTrayNotification(Session& session, UINT mouseMessage);
// Run as a mouse message is taken from the queue; false when the click is eaten.
bool PrepareMouseMessage(Session& session, const MSG& msg);
// WM_PARENTNOTIFY up the parent chain: WM_CREATE or WM_DESTROY of `child`, or a press on it.
void NotifyParentsOfLifetime(Session& session, HWND child, UINT event);
void NotifyParentsOfPress(Session& session, HWND child, UINT buttonDown, POINT screen);

// Messages: posting from within the manager, with the time and cursor position of now.
void PostInput(Session& session, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win::user
