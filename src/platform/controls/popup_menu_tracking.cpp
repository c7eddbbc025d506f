#include <cctype>
#include <optional>
#include <vector>

#include "platform/controls/control_classes.h"
#include "platform/controls/control_support.h"
#include "platform/controls/menu_layout.h"
#include "platform/controls/menu_table.h"
#include "platform/controls/popup_menu.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/text/prefix_text.h"
#include "platform/gdi/text/utf8.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

constexpr char kMenuClassName[] = "#32768";

// One open menu: what it shows, what is highlighted, and how it ended.
struct MenuTracking {
    std::vector<MenuItem> items;
    MenuLayout layout;
    UINT flags = 0;
    HWND window;
    int highlight = -1;
    bool done = false;
    std::optional<UINT_PTR> chosen;
};

MenuTracking* gTracking = nullptr;

HFONT MenuFont() {
    return FontOrDefault(nullptr);
}

void Finish(MenuTracking& tracking, std::optional<UINT_PTR> chosen) {
    tracking.done = true;
    tracking.chosen = chosen;
}

void Highlight(MenuTracking& tracking, int index) {
    if (index != tracking.highlight) {
        tracking.highlight = index;
        InvalidateRect(tracking.window, nullptr, false);
    }
}

void Choose(MenuTracking& tracking, int index) {
    if (index >= 0 && tracking.items[static_cast<std::size_t>(index)].IsSelectable()) {
        Finish(tracking, tracking.items[static_cast<std::size_t>(index)].id);
    }
}

// The item whose "&" marks this key, when exactly one does.
int ItemWithAccessKey(const MenuTracking& tracking, char32_t key) {
    int found = -1;
    for (std::size_t i = 0; i < tracking.items.size(); ++i) {
        const MenuItem& item = tracking.items[i];
        const auto shown =
            text::ApplyPrefixes(text::DecodeUtf8(item.text), text::PrefixHandling::Underline);
        for (const auto& ch : shown) {
            const bool same = ch.ch == key || (ch.ch < 0x80 && key < 0x80 &&
                                               std::tolower(static_cast<int>(ch.ch)) ==
                                                   std::tolower(static_cast<int>(key)));
            if (ch.underlined && same && item.IsSelectable()) {
                if (found >= 0) {
                    return -1;
                }
                found = static_cast<int>(i);
            }
        }
    }
    return found;
}

void OnMenuKey(MenuTracking& tracking, const MSG& message) {
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            switch (message.wParam) {
                case VK_DOWN:
                    Highlight(tracking, NextSelectableItem(tracking.items, tracking.highlight, 1));
                    break;
                case VK_UP:
                    Highlight(tracking, NextSelectableItem(tracking.items, tracking.highlight, -1));
                    break;
                case VK_HOME:
                    Highlight(tracking, NextSelectableItem(tracking.items, -1, 1));
                    break;
                case VK_END:
                    Highlight(tracking, NextSelectableItem(tracking.items, -1, -1));
                    break;
                case VK_RETURN:
                    Choose(tracking, tracking.highlight);
                    break;
                case VK_ESCAPE:
                case VK_MENU:
                case VK_F10:
                    Finish(tracking, std::nullopt);
                    break;
                default:
                    break;
            }
            break;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (message.wParam >= 0x20) {
                Choose(tracking,
                       ItemWithAccessKey(tracking, static_cast<char32_t>(message.wParam)));
            }
            break;
        default:
            break;
    }
}

bool IsKeyMessage(UINT message) {
    return message >= WM_KEYDOWN && message <= WM_SYSCHAR;
}

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL;
}

void OnMenuMouse(MenuTracking& tracking, UINT message, LPARAM lParam) {
    const POINT point = PointFromLParam(lParam);
    RECT client;
    GetClientRect(tracking.window, &client);
    const bool inside = IsInside(client, point);
    const int item = inside ? tracking.layout.ItemAt(point) : -1;
    switch (message) {
        case WM_MOUSEMOVE:
            Highlight(tracking,
                      item >= 0 && tracking.items[static_cast<std::size_t>(item)].IsSelectable()
                          ? item
                          : -1);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (!inside) {
                Finish(tracking, std::nullopt);
            }
            break;
        case WM_LBUTTONUP:
            Choose(tracking, item);
            break;
        case WM_RBUTTONUP:
            if ((tracking.flags & TPM_RIGHTBUTTON) != 0) {
                Choose(tracking, item);
            }
            break;
        default:
            break;
    }
}

void DrawItemText(HDC dc, const MenuItem& item, RECT box, bool highlighted) {
    box.left += kMenuCheckColumn;
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
    if (!item.IsSelectable()) {
        if (!highlighted) {
            RECT emboss = box;
            OffsetRect(&emboss, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
            DrawText(dc, item.text, -1, &emboss, format);
        }
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    }
    DrawText(dc, item.text, -1, &box, format);
}

void DrawCheckMark(HDC dc, const RECT& box, bool highlighted) {
    const HBRUSH ink = GetSysColorBrush(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    const int x = box.left + 5;
    const int y = (box.top + box.bottom) / 2 - 1;
    for (int step = 0; step < 7; ++step) {
        const int rise = step < 2 ? step : 4 - step;
        RECT stroke{x + step, y + rise, x + step + 1, y + rise + 3};
        FillRect(dc, &stroke, ink);
    }
}

void PaintMenu(const MenuTracking& tracking, HDC dc) {
    RECT client;
    GetClientRect(tracking.window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    RECT edge = client;
    DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    const HFONT previous = SelectObject(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < tracking.items.size(); ++i) {
        const MenuItem& item = tracking.items[i];
        RECT box = tracking.layout.items[i];
        if (item.IsSeparator()) {
            RECT line{box.left + 1, (box.top + box.bottom) / 2 - 1, box.right - 1, box.bottom};
            DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
            continue;
        }
        const bool highlighted = static_cast<int>(i) == tracking.highlight;
        if (highlighted) {
            FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        if ((item.flags & MF_CHECKED) != 0) {
            DrawCheckMark(dc, box, highlighted);
        }
        DrawItemText(dc, item, box, highlighted);
    }
    if (previous) {
        SelectObject(dc, previous);
    }
}

LRESULT MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MenuTracking* tracking = gTracking;
    if (tracking == nullptr || tracking->window != window) {
        return DefWindowProc(window, message, wParam, lParam);
    }
    if (IsMouseMessage(message)) {
        OnMenuMouse(*tracking, message, lParam);
        return 0;
    }
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(window, &paint);
            if (dc) {
                PaintMenu(*tracking, dc);
            }
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_CAPTURECHANGED:
            if (HWND::FromValue(lParam) != window) {
                Finish(*tracking, std::nullopt);
            }
            return 0;
        case WM_MOUSEACTIVATE:
            return 3;  // MA_NOACTIVATE
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}

bool OpenMenuWindow(MenuTracking& tracking, HWND owner, POINT anchor) {
    const HDC screen = GetDC(nullptr);
    const HFONT previous = SelectObject(screen, MenuFont());
    tracking.layout = LayoutMenu(screen, tracking.items);
    if (previous) {
        SelectObject(screen, previous);
    }
    ReleaseDC(nullptr, screen);
    const SIZE screenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const POINT place = PlaceMenu(tracking.layout.size, anchor, tracking.flags, screenSize);
    tracking.window = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                                     kMenuClassName, "", WS_POPUP, place.x, place.y,
                                     tracking.layout.size.cx, tracking.layout.size.cy, owner);
    if (!tracking.window) {
        return false;
    }
    ShowWindow(tracking.window, SW_SHOWNA);
    SetCapture(tracking.window);
    return true;
}

// The menu's own loop: keys drive the menu, the mouse goes to its window by capture, and
// everything else (timers, painting, posted messages) is dispatched as usual.
void RunMenuLoop(MenuTracking& tracking) {
    while (!tracking.done) {
        MSG message;
        const int got = GetMessage(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            Finish(tracking, std::nullopt);
            break;
        }
        if (got < 0) {
            Finish(tracking, std::nullopt);
            break;
        }
        if (IsKeyMessage(message.message)) {
            OnMenuKey(tracking, message);
            continue;
        }
        DispatchMessage(&message);
        if (!IsWindow(tracking.window) || GetCapture() != tracking.window) {
            Finish(tracking, tracking.chosen);
        }
    }
}

void CloseMenuWindow(MenuTracking& tracking) {
    const HWND window = tracking.window;
    if (GetCapture() == window) {
        ReleaseCapture();
    }
    tracking.window = nullptr;
    DestroyWindow(window);
}

}  // namespace

bool RegisterPopupMenuClass() {
    WNDCLASS windowClass;
    windowClass.style = CS_SAVEBITS | CS_DBLCLKS;
    windowClass.lpfnWndProc = MenuWindowProc;
    windowClass.lpszClassName = kMenuClassName;
    return EnsureClassRegistered(windowClass);
}

}  // namespace win::controls

namespace win {

int TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*) {
    using namespace controls;
    if (gTracking != nullptr || !IsWindow(hWnd) || Menus().Find(hMenu) == nullptr ||
        !RegisterPopupMenuClass()) {
        return 0;
    }
    SendMessage(hWnd, WM_ENTERMENULOOP, 1, 0);
    SendMessage(hWnd, WM_INITMENUPOPUP, static_cast<WPARAM>(hMenu.Value()), 0);
    const std::vector<MenuItem>* items = Menus().Find(hMenu);
    if (items == nullptr) {
        SendMessage(hWnd, WM_EXITMENULOOP, 1, 0);
        return 0;
    }
    MenuTracking tracking;
    tracking.items = *items;
    tracking.flags = uFlags;
    gTracking = &tracking;
    if (OpenMenuWindow(tracking, hWnd, {x, y})) {
        RunMenuLoop(tracking);
        CloseMenuWindow(tracking);
    }
    gTracking = nullptr;
    if (IsWindow(hWnd)) {
        SendMessage(hWnd, WM_EXITMENULOOP, 1, 0);
    }
    if ((uFlags & TPM_RETURNCMD) != 0) {
        return tracking.chosen ? static_cast<int>(*tracking.chosen) : 0;
    }
    if (!tracking.chosen) {
        return 0;
    }
    if ((uFlags & TPM_NONOTIFY) == 0) {
        PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(static_cast<int>(*tracking.chosen), 0), 0);
    }
    return 1;
}

}  // namespace win
