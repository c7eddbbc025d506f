#include "platform/user/menu_popup.h"

#include <algorithm>
#include <cctype>

#include "platform/gdi/gdi.h"
#include "platform/gdi/text/draw_text_flags.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/mouse_capture.h"
#include "platform/user/painting.h"
#include "platform/user/session.h"
#include "platform/user/system_metrics.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_lifetime.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_state.h"
#include "platform/user/window_styles.h"

namespace win::user {

namespace {

constexpr const char* kMenuClass = "#32768";
constexpr int kFrame = 3;
constexpr int kSeparatorHeight = 9;
constexpr int kItemPadding = 6;
constexpr int kCheckColumn = 18;
constexpr int kRightColumn = 18;

void RegisterMenuClass() {
    WNDCLASS windowClass;
    if (GetClassInfo(kMenuClass, &windowClass)) {
        return;
    }
    windowClass.style = CS_SAVEBITS | CS_DROPSHADOW | CS_DBLCLKS;
    windowClass.lpfnWndProc = &DefWindowProc;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kMenuClass;
    RegisterClass(windowClass);
}

// The access key of a caption: the character after a single "&".
std::optional<char> AccessKey(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] != '&') {
                return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
            }
            ++i;
        }
    }
    return std::nullopt;
}

void DrawCheck(HDC dc, const RECT& item, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HPEN previous = SelectObject(dc, pen);
    const int x = item.left + 5;
    const int y = (item.top + item.bottom) / 2;
    for (int row = 0; row < 2; ++row) {
        MoveToEx(dc, x, y + row - 1, nullptr);
        LineTo(dc, x + 2, y + row + 1);
        LineTo(dc, x + 7, y + row - 4);
    }
    SelectObject(dc, previous);
    DeleteObject(pen);
}

// A small triangle pointing right, at the right edge of an item that opens a sub-menu.
void DrawSubMenuArrow(HDC dc, const RECT& item, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HPEN previous = SelectObject(dc, pen);
    const int x = item.right - kRightColumn / 2 - 2;
    const int y = (item.top + item.bottom) / 2;
    for (int column = 0; column < 4; ++column) {
        MoveToEx(dc, x + column, y - 3 + column, nullptr);
        LineTo(dc, x + column, y + 4 - column);
    }
    SelectObject(dc, previous);
    DeleteObject(pen);
}

}  // namespace

MenuPopup::MenuPopup(const Menu& menu, UINT flags)
    : items_(menu.items),
      flags_(flags),
      font_(GetStockObject(DEFAULT_GUI_FONT).As<HFONT>()),
      procedure_([this](HWND w, UINT m, WPARAM wp, LPARAM lp) { return Procedure(w, m, wp, lp); }) {
}

MenuPopup::~MenuPopup() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

SIZE MenuPopup::Size() {
    if (!laidOut_) {
        Layout();
    }
    return size_;
}

void MenuPopup::Layout() {
    laidOut_ = true;
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT previous = SelectObject(dc, font_);
    int width = 0;
    int top = kFrame;
    rects_.clear();
    for (const MenuItem& item : items_) {
        int height = kSeparatorHeight;
        if (!item.IsSeparator()) {
            RECT measured{0, 0, 0, 0};
            DrawText(dc, item.text.empty() ? " " : item.text, -1, &measured,
                     DT_CALCRECT | DT_SINGLELINE);
            width = std::max(width, static_cast<int>(measured.right));
            height = measured.bottom + kItemPadding;
        }
        rects_.push_back({kFrame, top, 0, top + height});
        top += height;
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    size_ = {kFrame * 2 + kCheckColumn + width + kRightColumn, top + kFrame};
    for (RECT& rect : rects_) {
        rect.right = size_.cx - kFrame;
    }
}

bool MenuPopup::Open(int x, int y, HWND owner) {
    if (items_.empty()) {
        return false;
    }
    RegisterMenuClass();
    Size();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int left = (flags_ & TPM_RIGHTALIGN)    ? x - size_.cx
               : (flags_ & TPM_CENTERALIGN) ? x - size_.cx / 2
                                            : x;
    int top = (flags_ & TPM_BOTTOMALIGN)    ? y - size_.cy
              : (flags_ & TPM_VCENTERALIGN) ? y - size_.cy / 2
                                            : y;
    left = std::clamp(left, 0, std::max(0, screenWidth - static_cast<int>(size_.cx)));
    top = std::clamp(top, 0, std::max(0, screenHeight - static_cast<int>(size_.cy)));
    window_ = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kMenuClass, "",
                             WS_POPUP, left, top, size_.cx, size_.cy, owner);
    if (!window_) {
        return false;
    }
    SetWindowLongPtr(window_, GWL_WNDPROC, procedure_.Get().ToLongPtr());
    ShowWindow(window_, SW_SHOWNA);
    return true;
}

LRESULT MenuPopup::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CANCELMODE:
            cancelled_ = true;
            return 0;
        case WM_CAPTURECHANGED:
            if (HWND::FromValue(lParam) != window) {
                cancelled_ = true;
            }
            return 0;
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}

void MenuPopup::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT all{0, 0, size_.cx, size_.cy};
    FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
    DrawEdge(dc, &all, EDGE_RAISED, BF_RECT);
    HFONT previous = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const MenuItem& item = items_[i];
        RECT rect = rects_[i];
        if (item.IsSeparator()) {
            RECT line{rect.left + 1, (rect.top + rect.bottom) / 2 - 1, rect.right - 1, rect.bottom};
            DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
            continue;
        }
        const bool grayed = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
        const bool hot = static_cast<int>(i) == highlighted_;
        if (hot) {
            FillRect(dc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        const COLORREF colour = grayed ? GetSysColor(COLOR_GRAYTEXT)
                                : hot  ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                       : GetSysColor(COLOR_MENUTEXT);
        if (item.flags & MF_CHECKED) {
            DrawCheck(dc, rect, colour);
        }
        if (item.OpensSubMenu()) {
            DrawSubMenuArrow(dc, rect, colour);
        }
        RECT text{rect.left + kCheckColumn, rect.top, rect.right - kRightColumn, rect.bottom};
        SetTextColor(dc, colour);
        DrawText(dc, item.text, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    SelectObject(dc, previous);
    EndPaint(window_, &paint);
}

POINT MenuPopup::ToClient(POINT screen) const {
    POINT client = screen;
    ScreenToClient(window_, &client);
    return client;
}

bool MenuPopup::Contains(POINT screen) const {
    const POINT client = ToClient(screen);
    return client.x >= 0 && client.y >= 0 && client.x < size_.cx && client.y < size_.cy;
}

int MenuPopup::ItemAt(POINT screen) const {
    const POINT client = ToClient(screen);
    for (std::size_t i = 0; i < rects_.size(); ++i) {
        const RECT& rect = rects_[i];
        if (client.x >= rect.left && client.x < rect.right && client.y >= rect.top &&
            client.y < rect.bottom) {
            return items_[i].IsSeparator() ? -1 : static_cast<int>(i);
        }
    }
    return -1;
}

RECT MenuPopup::ItemScreenRect(int index) const {
    RECT rect = rects_[static_cast<std::size_t>(index)];
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    return {rect.left + origin.x, rect.top + origin.y, rect.right + origin.x,
            rect.bottom + origin.y};
}

std::optional<int> MenuPopup::ItemWithAccessKey(char key) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (AccessKey(items_[i].text) == key) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

void MenuPopup::Highlight(int index) {
    if (index != highlighted_) {
        highlighted_ = index;
        InvalidateRect(window_, nullptr, false);
    }
}

void MenuPopup::MoveHighlight(int step) {
    const int count = static_cast<int>(items_.size());
    int index = highlighted_;
    for (int tries = 0; tries < count; ++tries) {
        index = index < 0 ? (step > 0 ? 0 : count - 1) : (index + step + count) % count;
        if (!items_[static_cast<std::size_t>(index)].IsSeparator()) {
            Highlight(index);
            return;
        }
    }
}

}  // namespace win::user
