#pragma once

#include <string>
#include <vector>

#include "platform/host/host.h"

namespace win::host::testing {

// Keeps every event the host reports, in order.
class RecordingSink final : public EventSink {
public:
    struct Mouse {
        WindowId window;
        MouseEvent event;
    };
    struct Key {
        WindowId window;
        KeyEvent event;
    };

    std::vector<Mouse> mouse;
    std::vector<Key> keys;
    std::vector<std::string> texts;
    std::vector<WindowId> closeRequests;
    std::vector<std::pair<WindowId, bool>> activations;
    std::vector<std::pair<WindowId, Rect>> exposures;
    std::vector<std::pair<WindowId, Rect>> geometries;
    std::vector<TrayEvent> tray;
    std::vector<std::int64_t> wakeUps;
    std::vector<std::pair<WindowId, bool>> minimizations;
    int sessionEndings = 0;
    int colorChanges = 0;
    int themeChanges = 0;
    int displayChanges = 0;
    // Set so OnWakeUp can note when it came.
    const Host* clock = nullptr;

    void OnMouse(WindowId window, const MouseEvent& event) override {
        mouse.push_back({window, event});
    }
    void OnKey(WindowId window, const KeyEvent& event) override { keys.push_back({window, event}); }
    void OnText(WindowId, std::string_view utf8) override { texts.emplace_back(utf8); }
    void OnCloseRequested(WindowId window) override { closeRequests.push_back(window); }
    void OnActivationChanged(WindowId window, bool active) override {
        activations.emplace_back(window, active);
    }
    void OnExposed(WindowId window, Rect dirty) override { exposures.emplace_back(window, dirty); }
    void OnGeometryChanged(WindowId window, Rect content) override {
        geometries.emplace_back(window, content);
    }
    void OnMinimizedChanged(WindowId window, bool minimized) override {
        minimizations.emplace_back(window, minimized);
    }
    void OnPopupDismissed(WindowId) override {}
    void OnDisplayChanged() override { ++displayChanges; }
    void OnSystemColorsChanged() override { ++colorChanges; }
    void OnThemeChanged() override { ++themeChanges; }
    void OnTrayIcon(const TrayEvent& event) override { tray.push_back(event); }
    void OnSessionEnding() override { ++sessionEndings; }
    void OnWakeUp() override { wakeUps.push_back(clock != nullptr ? clock->NowMilliseconds() : 0); }

    // Mouse events of one kind, in order.
    std::vector<MouseEvent> MouseOf(MouseAction action) const {
        std::vector<MouseEvent> found;
        for (const Mouse& m : mouse) {
            if (m.event.action == action) {
                found.push_back(m.event);
            }
        }
        return found;
    }
};

}  // namespace win::host::testing
