#include "platform/controls/tool_watch.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/controls/tooltip.h"
#include "platform/user/user.h"
#include "platform/user/window_slots.h"

namespace win::controls {
namespace {

struct Watch {
    std::unique_ptr<WindowProcedure> hook;
    WNDPROC previous;
    std::vector<HWND> tooltips;
};

// Kept on the tool's record, so it goes with the tool.
Watch* WatchOf(HWND tool) {
    user::WindowSlots* slots = user::SlotsOf(tool);
    return slots ? slots->Find<Watch>() : nullptr;
}

std::vector<HWND> WatchedTools() {
    std::vector<HWND> tools;
    const auto collect = [&tools](HWND window, LPARAM) {
        if (WatchOf(window) != nullptr) {
            tools.push_back(window);
        }
        return true;
    };
    EnumWindows(
        [&collect](HWND topLevel, LPARAM) {
            collect(topLevel, 0);
            EnumChildWindows(topLevel, collect, 0);
            return true;
        },
        0);
    return tools;
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
    const Watch* watch = WatchOf(tool);
    if (watch == nullptr) {
        return DefWindowProc(tool, message, wParam, lParam);
    }
    const WNDPROC previous = watch->previous;
    if (IsRelayed(message) && !watch->tooltips.empty()) {
        const std::vector<HWND> tooltips = watch->tooltips;
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
        // Safe while its hook runs: the call holds the procedure it is running.
        if (user::WindowSlots* slots = user::SlotsOf(tool)) {
            slots->Take<Watch>();
        }
    }
    return result;
}

}  // namespace

void WatchTool(HWND tool, HWND tooltip) {
    if (!IsWindow(tool)) {
        return;
    }
    user::WindowSlots* slots = user::SlotsOf(tool);
    Watch* existing = slots->Find<Watch>();
    Watch& watch = existing ? *existing : slots->Put(std::make_unique<Watch>());
    if (existing == nullptr) {
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
    user::WindowSlots* slots = user::SlotsOf(tool);
    Watch* found = slots ? slots->Find<Watch>() : nullptr;
    if (found == nullptr) {
        return;
    }
    Watch& watch = *found;
    std::erase(watch.tooltips, tooltip);
    const bool outermost = GetWindowLongPtr(tool, GWL_WNDPROC) == watch.hook->Get().ToLongPtr();
    if (watch.tooltips.empty() && outermost) {
        SetWindowLongPtr(tool, GWL_WNDPROC, watch.previous.ToLongPtr());
        slots->Take<Watch>();
    }
}

void UnwatchAllOf(HWND tooltip) {
    for (const HWND tool : WatchedTools()) {
        UnwatchTool(tool, tooltip);
    }
}

}  // namespace win::controls
