#include "platform/controls/tool_watch.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/controls/tooltip.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

struct Watch {
    std::unique_ptr<WindowProcedure> hook;
    WNDPROC previous;
    std::vector<HWND> tooltips;
};

std::unordered_map<HWND, Watch>& Watches() {
    static std::unordered_map<HWND, Watch> watches;
    return watches;
}

bool IsRelayed(UINT message) {
    return (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK) || message == WM_MOUSELEAVE;
}

void Relay(HWND tool, const std::vector<HWND>& tooltips, UINT message, WPARAM wParam,
           LPARAM lParam) {
    MSG relayed;
    relayed.hwnd = tool;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    for (const HWND tooltip : tooltips) {
        SendMessage(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
}

LRESULT WatchProcedure(HWND tool, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Watches().find(tool);
    if (found == Watches().end()) {
        return DefWindowProc(tool, message, wParam, lParam);
    }
    const WNDPROC previous = found->second.previous;
    if (IsRelayed(message) && !found->second.tooltips.empty()) {
        const std::vector<HWND> tooltips = found->second.tooltips;
        if (message == WM_MOUSEMOVE) {
            TRACKMOUSEEVENT track;
            track.dwFlags = TME_LEAVE;
            track.hwndTrack = tool;
            TrackMouseEvent(&track);
        }
        Relay(tool, tooltips, message, wParam, lParam);
    }
    const LRESULT result = CallWindowProc(previous, tool, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        Watches().erase(tool);
    }
    return result;
}

}  // namespace

void WatchTool(HWND tool, HWND tooltip) {
    if (!IsWindow(tool)) {
        return;
    }
    auto [found, added] = Watches().try_emplace(tool);
    Watch& watch = found->second;
    if (added) {
        watch.hook = std::make_unique<WindowProcedure>(
            [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
                return WatchProcedure(window, message, wParam, lParam);
            });
        watch.previous = WNDPROC::FromLongPtr(
            SetWindowLongPtr(tool, GWL_WNDPROC, watch.hook->Get().ToLongPtr()));
    }
    if (std::find(watch.tooltips.begin(), watch.tooltips.end(), tooltip) == watch.tooltips.end()) {
        watch.tooltips.push_back(tooltip);
    }
}

void UnwatchTool(HWND tool, HWND tooltip) {
    const auto found = Watches().find(tool);
    if (found == Watches().end()) {
        return;
    }
    Watch& watch = found->second;
    std::erase(watch.tooltips, tooltip);
    const bool outermost = GetWindowLongPtr(tool, GWL_WNDPROC) == watch.hook->Get().ToLongPtr();
    if (watch.tooltips.empty() && outermost) {
        SetWindowLongPtr(tool, GWL_WNDPROC, watch.previous.ToLongPtr());
        Watches().erase(found);
    }
}

void UnwatchAllOf(HWND tooltip) {
    std::vector<HWND> tools;
    for (const auto& [tool, watch] : Watches()) {
        if (std::find(watch.tooltips.begin(), watch.tooltips.end(), tooltip) !=
            watch.tooltips.end()) {
            tools.push_back(tool);
        }
    }
    for (const HWND tool : tools) {
        UnwatchTool(tool, tooltip);
    }
}

}  // namespace win::controls
