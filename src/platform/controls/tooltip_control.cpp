#include <algorithm>
#include <optional>

#include "platform/controls/control_classes.h"
#include "platform/controls/control_state_table.h"
#include "platform/controls/control_support.h"
#include "platform/controls/tool_watch.h"
#include "platform/controls/tooltip.h"
#include "platform/controls/tooltip_state.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

constexpr UINT_PTR kInitialTimer = 1;
constexpr UINT_PTR kAutoPopTimer = 2;

ControlStateTable<TooltipState> Tooltips() {
    return {};
}

int ToolAt(const TooltipState& state, HWND window, POINT point) {
    for (std::size_t i = 0; i < state.tools.size(); ++i) {
        const TooltipTool& tool = state.tools[i];
        if (tool.Window() != window) {
            continue;
        }
        if ((tool.flags & TTF_IDISHWND) != 0 || IsInside(tool.rect, point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Without TTS_ALWAYSTIP a tip shows only while the tool's window is in the active window.
bool MayShow(HWND tooltip, const TooltipState& state) {
    if ((GetWindowLongPtr(tooltip, GWL_STYLE) & TTS_ALWAYSTIP) != 0) {
        return true;
    }
    const HWND tool = state.tools[static_cast<std::size_t>(state.hover)].Window();
    return GetActiveWindow() && GetAncestor(tool, GA_ROOT) == GetActiveWindow();
}

void Forget(HWND tooltip, TooltipState& state) {
    KillTimer(tooltip, kInitialTimer);
    KillTimer(tooltip, kAutoPopTimer);
    HideTip(tooltip, state);
}

void OnPointerMove(HWND tooltip, TooltipState& state, const MSG& message) {
    const int index = ToolAt(state, message.hwnd, PointFromLParam(message.lParam));
    if (index < 0) {
        Forget(tooltip, state);
        state.hover = -1;
        state.suppressed = false;
        return;
    }
    if (index != state.hover) {
        Forget(tooltip, state);
        state.hover = index;
        state.suppressed = false;
    }
    if (state.shown || state.suppressed || !state.active || !MayShow(tooltip, state)) {
        return;
    }
    // The pointer must rest: every move starts the wait again.
    SetTimer(tooltip, kInitialTimer, kTooltipInitialDelay, nullptr);
}

void OnRelayedEvent(HWND tooltip, TooltipState& state, const MSG* message) {
    if (message == nullptr) {
        return;
    }
    switch (message->message) {
        case WM_MOUSEMOVE:
            OnPointerMove(tooltip, state, *message);
            break;
        case WM_MOUSELEAVE:
            Forget(tooltip, state);
            state.hover = -1;
            state.suppressed = false;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            Forget(tooltip, state);
            state.suppressed = true;
            break;
        default:
            break;
    }
}

void OnTimer(HWND tooltip, TooltipState& state, UINT_PTR id) {
    KillTimer(tooltip, id);
    if (id == kInitialTimer && state.hover >= 0 && state.active) {
        ShowTip(tooltip, state);
        if (state.shown) {
            SetTimer(tooltip, kAutoPopTimer, kTooltipAutoPopDelay, nullptr);
        }
    } else if (id == kAutoPopTimer) {
        HideTip(tooltip, state);
        state.suppressed = true;
    }
}

LRESULT AddTool(HWND tooltip, TooltipState& state, const TOOLINFO* info) {
    if (info == nullptr) {
        return 0;
    }
    TooltipTool tool;
    tool.owner = info->hwnd;
    tool.id = info->uId;
    tool.flags = info->uFlags;
    tool.rect = info->rect;
    tool.text = info->lpszText ? TextFromLParam(reinterpret_cast<LPARAM>(info->lpszText)) : "";
    const HWND window = tool.Window();
    if (!IsWindow(window)) {
        return 0;
    }
    std::erase_if(state.tools,
                  [&](const TooltipTool& other) { return other.Names(tool.owner, tool.id); });
    state.tools.push_back(tool);
    if ((tool.flags & TTF_SUBCLASS) != 0) {
        WatchTool(window, tooltip);
    }
    return 1;
}

void DeleteTool(HWND tooltip, TooltipState& state, const TOOLINFO* info) {
    if (info == nullptr) {
        return;
    }
    Forget(tooltip, state);
    state.hover = -1;
    HWND window;
    for (const TooltipTool& tool : state.tools) {
        if (tool.Names(info->hwnd, info->uId)) {
            window = tool.Window();
        }
    }
    std::erase_if(state.tools,
                  [&](const TooltipTool& tool) { return tool.Names(info->hwnd, info->uId); });
    const bool stillWatched =
        std::any_of(state.tools.begin(), state.tools.end(),
                    [&](const TooltipTool& tool) { return tool.Window() == window; });
    if (window && !stillWatched) {
        UnwatchTool(window, tooltip);
    }
}

LRESULT Swap(COLORREF& slot, WPARAM value) {
    const COLORREF previous = slot;
    slot = static_cast<COLORREF>(value) & 0x00FFFFFF;
    return static_cast<LRESULT>(previous);
}

std::optional<LRESULT> HandleTooltipMessage(HWND tooltip, TooltipState& state, UINT message,
                                            WPARAM wParam, LPARAM lParam) {
    const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
    switch (message) {
        case TTM_ADDTOOLA:
        case TTM_ADDTOOLW:
            return AddTool(tooltip, state, info);
        case TTM_DELTOOLA:
        case TTM_DELTOOLW:
            DeleteTool(tooltip, state, info);
            return 0;
        case TTM_RELAYEVENT:
            OnRelayedEvent(tooltip, state, reinterpret_cast<const MSG*>(lParam));
            return 0;
        case TTM_SETTITLEA:
        case TTM_SETTITLEW:
            state.titleIcon = static_cast<int>(wParam);
            state.title = TextFromLParam(lParam);
            return 1;
        case TTM_SETMAXTIPWIDTH: {
            const int previous = state.maxWidth;
            state.maxWidth = static_cast<int>(lParam);
            return previous;
        }
        case TTM_GETMAXTIPWIDTH:
            return state.maxWidth;
        case TTM_SETTIPBKCOLOR:
            Swap(state.background, wParam);
            InvalidateRect(tooltip, nullptr, false);
            return 0;
        case TTM_SETTIPTEXTCOLOR:
            Swap(state.textColour, wParam);
            InvalidateRect(tooltip, nullptr, false);
            return 0;
        case TTM_GETTIPBKCOLOR:
            return static_cast<LRESULT>(state.background);
        case TTM_GETTIPTEXTCOLOR:
            return static_cast<LRESULT>(state.textColour);
        case TTM_GETTOOLCOUNT:
            return static_cast<LRESULT>(state.tools.size());
        case TTM_ACTIVATE:
            state.active = wParam != 0;
            if (!state.active) {
                Forget(tooltip, state);
            }
            return 0;
        case TTM_POP:
            Forget(tooltip, state);
            return 0;
        default:
            return std::nullopt;
    }
}

void OnPaint(HWND tooltip, const TooltipState& state) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(tooltip, &paint);
    if (dc) {
        PaintTip(tooltip, state, dc);
    }
    EndPaint(tooltip, &paint);
}

std::optional<LRESULT> HandleMessage(HWND tooltip, TooltipState& state, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint(tooltip, state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_TIMER:
            OnTimer(tooltip, state, wParam);
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            Forget(tooltip, state);
            return 0;
        case WM_SETFONT:
            state.font = HFONT::FromValue(wParam);
            return 0;
        case WM_GETFONT:
            return static_cast<LRESULT>(state.font.Value());
        case WM_MOUSEACTIVATE:
            return 3;  // MA_NOACTIVATE
        case WM_DESTROY:
            Forget(tooltip, state);
            UnwatchAllOf(tooltip);
            return 0;
        default:
            return HandleTooltipMessage(tooltip, state, message, wParam, lParam);
    }
}

// A tip is a topmost pop-up that never takes the activation, whatever style it was made with.
void MakeTipWindow(HWND tooltip) {
    const auto style = static_cast<DWORD>(GetWindowLongPtr(tooltip, GWL_STYLE));
    SetWindowLongPtr(
        tooltip, GWL_STYLE,
        static_cast<LONG_PTR>((style & ~(WS_CAPTION | WS_CHILD | WS_THICKFRAME)) | WS_POPUP));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtr(tooltip, GWL_EXSTYLE));
    SetWindowLongPtr(
        tooltip, GWL_EXSTYLE,
        static_cast<LONG_PTR>(exStyle | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE));
}

LRESULT TooltipWindowProc(HWND tooltip, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        Tooltips().Create(tooltip);
        MakeTipWindow(tooltip);
    }
    if (message == WM_NCDESTROY) {
        const auto released = Tooltips().Release(tooltip);
        UnwatchAllOf(tooltip);
        return DefWindowProc(tooltip, message, wParam, lParam);
    }
    if (TooltipState* state = Tooltips().Find(tooltip)) {
        if (const auto handled = HandleMessage(tooltip, *state, message, wParam, lParam)) {
            return *handled;
        }
    }
    return DefWindowProc(tooltip, message, wParam, lParam);
}

}  // namespace

HWND TooltipTool::Window() const {
    return (flags & TTF_IDISHWND) != 0 ? HWND::FromValue(static_cast<LONG_PTR>(id)) : owner;
}

bool TooltipTool::Names(HWND otherOwner, UINT_PTR otherId) const {
    return owner == otherOwner && id == otherId;
}

bool RegisterTooltipClass() {
    WNDCLASS windowClass;
    windowClass.style = CS_SAVEBITS;
    windowClass.lpfnWndProc = TooltipWindowProc;
    windowClass.lpszClassName = TOOLTIPS_CLASS;
    return EnsureClassRegistered(windowClass);
}

}  // namespace win::controls
