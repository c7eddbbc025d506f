#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/host/host.h"
#include "platform/user/session.h"

namespace win::user {

// Turns what the host reports into window messages. Input is queued as it arrives; anything
// that would run window procedures (activation, broadcasts, session end) waits until the host
// has returned, so procedures never run inside the host's own event delivery.
class HostBridge final : public host::EventSink {
public:
    explicit HostBridge(Session& session) : session_(session) {}

    void RunDeferred();

    void OnMouse(host::WindowId window, const host::MouseEvent& event) override;
    void OnKey(host::WindowId window, const host::KeyEvent& event) override;
    void OnText(host::WindowId window, std::string_view utf8) override;
    void OnCloseRequested(host::WindowId window) override;
    void OnActivationChanged(host::WindowId window, bool active) override;
    void OnExposed(host::WindowId window, host::Rect dirty) override;
    void OnGeometryChanged(host::WindowId window, host::Rect content) override;
    void OnMinimizedChanged(host::WindowId window, bool minimized) override;
    void OnPopupDismissed(host::WindowId window) override;
    void OnDisplayChanged() override;
    void OnSystemColorsChanged() override;
    void OnThemeChanged() override;
    void OnTrayIcon(const host::TrayEvent& event) override;
    void OnSessionEnding() override;
    void OnWakeUp() override {}

private:
    void Defer(std::function<void()> work) { deferred_.push_back(std::move(work)); }
    void UpdateMouseButtons(const host::MouseEvent& event);
    void UpdateModifiers(const host::Modifiers& modifiers);
    void PostKey(HWND target, const host::KeyEvent& event);
    void DeliverMouse(HWND named, const host::MouseEvent& event);
    void NotePointerOver(HWND under, host::MouseAction action);
    void PostClientMouse(HWND target, const host::MouseEvent& event);
    void PostNonClientMouse(HWND target, LRESULT hit, const host::MouseEvent& event);
    void DeliverKey(host::WindowId native, const host::KeyEvent& event);
    void DeliverText(host::WindowId native, std::string_view utf8);

    Session& session_;
    std::vector<std::function<void()>> deferred_;
    // The host's last word on activation in this round: activated, or deactivated.
    std::optional<HWND> activated_;
    std::optional<HWND> deactivated_;
    // Windows pressed in this round: their activation waits for WM_MOUSEACTIVATE.
    std::vector<HWND> pressed_;
};

// Lets the host deliver what is waiting, then runs what that deferred.
void PumpHost(Session& session);
// Waits for the host, then the same.
void WaitForHost(Session& session);

}  // namespace win::user
