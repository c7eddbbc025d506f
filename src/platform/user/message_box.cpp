#include "platform/user/message_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/gdi/text/draw_text_flags.h"
#include "platform/user/activation.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/keyboard_focus.h"
#include "platform/user/messaging.h"
#include "platform/user/painting.h"
#include "platform/user/system_metrics.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_lifetime.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_state.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace win {

namespace {

constexpr const char* kDialogClass = "#32770";
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kTextMaxWidth = 400;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 8;

struct Button {
    int result;
    const char* caption;
    RECT rect;
};

void RegisterDialogClass() {
    WNDCLASS windowClass;
    if (GetClassInfo(kDialogClass, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = &DefWindowProc;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kDialogClass;
    RegisterClass(windowClass);
}

COLORREF IconColour(UINT icon) {
    switch (icon) {
        case MB_ICONERROR:
            return RGB(204, 0, 0);
        case MB_ICONWARNING:
            return RGB(230, 180, 0);
        default:
            return RGB(0, 70, 200);
    }
}

const char* IconGlyph(UINT icon) {
    switch (icon) {
        case MB_ICONERROR:
            return "X";
        case MB_ICONWARNING:
            return "!";
        case MB_ICONQUESTION:
            return "?";
        default:
            return "i";
    }
}

// The box draws its own text, icon and buttons; it has no child windows.
class MessageBoxWindow {
public:
    MessageBoxWindow(std::string text, UINT type)
        : text_(std::move(text)),
          icon_(type & 0xF0),
          font_(GetStockObject(DEFAULT_GUI_FONT).As<HFONT>()),
          procedure_(
              [this](HWND w, UINT m, WPARAM wp, LPARAM lp) { return Procedure(w, m, wp, lp); }) {
        buttons_.push_back({IDOK, "确定", {}});
        if ((type & 0x0F) == MB_OKCANCEL) {
            buttons_.push_back({IDCANCEL, "取消", {}});
        }
    }
    ~MessageBoxWindow() {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }

    bool Open(std::string_view caption, HWND owner) {
        RegisterDialogClass();
        const SIZE client = Layout();
        window_ =
            CreateWindowEx(WS_EX_DLGMODALFRAME, kDialogClass, caption,
                           WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, client.cx, client.cy, owner);
        if (!window_) {
            return false;
        }
        SetWindowLongPtr(window_, GWL_WNDPROC, procedure_.Get().ToLongPtr());
        // Grow the window until its client area is what the layout needs, then centre it.
        RECT outer;
        RECT inner;
        GetWindowRect(window_, &outer);
        GetClientRect(window_, &inner);
        const int width = client.cx + (outer.right - outer.left) - inner.right;
        const int height = client.cy + (outer.bottom - outer.top) - inner.bottom;
        RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (owner) {
            GetWindowRect(owner, &area);
        }
        const int left = std::max(0, (area.left + area.right - width) / 2);
        const int top = std::max(0, (area.top + area.bottom - height) / 2);
        SetWindowPos(window_, HWND_TOP, left, top, width, height, SWP_NOACTIVATE);
        ShowWindow(window_, SW_SHOW);
        SetFocus(window_);
        return true;
    }

    HWND Window() const { return window_; }
    int Result() const { return result_; }

private:
    SIZE Layout() {
        HDC dc = CreateCompatibleDC(nullptr);
        HFONT previous = SelectObject(dc, font_);
        RECT measured{0, 0, kTextMaxWidth, 0};
        DrawText(dc, text_.empty() ? " " : text_, -1, &measured, DT_CALCRECT | DT_WORDBREAK);
        SelectObject(dc, previous);
        DeleteDC(dc);
        const int textLeft = kMargin + (icon_ ? kIconSize + kMargin : 0);
        const int bodyHeight = std::max(static_cast<int>(measured.bottom), icon_ ? kIconSize : 0);
        textRect_ = {textLeft, kMargin, textLeft + measured.right,
                     kMargin + std::max(static_cast<int>(measured.bottom), bodyHeight)};
        const int buttonsWidth = static_cast<int>(buttons_.size()) * kButtonWidth +
                                 static_cast<int>(buttons_.size() - 1) * kButtonGap;
        const int width = std::max(textRect_.right + kMargin, buttonsWidth + 2 * kMargin);
        const int buttonTop = kMargin + bodyHeight + kMargin;
        int left = (width - buttonsWidth) / 2;
        for (Button& button : buttons_) {
            button.rect = {left, buttonTop, left + kButtonWidth, buttonTop + kButtonHeight};
            left += kButtonWidth + kButtonGap;
        }
        return {width, buttonTop + kButtonHeight + kMargin};
    }

    void Paint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        RECT client;
        GetClientRect(window_, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        HFONT previous = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        if (icon_) {
            HRGN disc =
                CreateEllipticRgn(kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize);
            HBRUSH brush = CreateSolidBrush(IconColour(icon_));
            FillRgn(dc, disc, brush);
            DeleteObject(brush);
            DeleteObject(disc);
            RECT glyph{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
            SetTextColor(dc, RGB(255, 255, 255));
            DrawText(dc, IconGlyph(icon_), -1, &glyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        RECT text = textRect_;
        DrawText(dc, text_, -1, &text, DT_WORDBREAK | DT_NOPREFIX);
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            PaintButton(dc, buttons_[i], static_cast<int>(i) == pressed_,
                        static_cast<int>(i) == focused_);
        }
        SelectObject(dc, previous);
        EndPaint(window_, &paint);
    }

    void PaintButton(HDC dc, const Button& button, bool pressed, bool focused) {
        RECT rect = button.rect;
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
        if (focused) {
            FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
            rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        }
        RECT edge = rect;
        DrawEdge(dc, &edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        RECT caption = rect;
        if (pressed) {
            caption = {caption.left + 1, caption.top + 1, caption.right + 1, caption.bottom + 1};
        }
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawText(dc, button.caption, -1, &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (focused) {
            RECT focus{rect.left + 3, rect.top + 3, rect.right - 3, rect.bottom - 3};
            DrawFocusRect(dc, &focus);
        }
    }

    int ButtonAt(LPARAM position) const {
        const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            const RECT& rect = buttons_[i].rect;
            if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
                point.y < rect.bottom) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    void Finish(int result) {
        if (result_ == 0) {
            result_ = result;
        }
    }

    int CancelResult() const { return buttons_.back().result; }

    LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_PAINT:
                Paint();
                return 0;
            case WM_LBUTTONDOWN:
                pressed_ = ButtonAt(lParam);
                if (pressed_ >= 0) {
                    focused_ = pressed_;
                }
                InvalidateRect(window, nullptr, false);
                return 0;
            case WM_LBUTTONUP:
                if (pressed_ >= 0 && ButtonAt(lParam) == pressed_) {
                    Finish(buttons_[static_cast<std::size_t>(pressed_)].result);
                }
                pressed_ = -1;
                InvalidateRect(window, nullptr, false);
                return 0;
            case WM_KEYDOWN:
                if (wParam == static_cast<WPARAM>(VK_RETURN) ||
                    wParam == static_cast<WPARAM>(VK_SPACE)) {
                    Finish(buttons_[static_cast<std::size_t>(focused_)].result);
                } else if (wParam == static_cast<WPARAM>(VK_ESCAPE)) {
                    Finish(CancelResult());
                } else if (wParam == static_cast<WPARAM>(VK_TAB) ||
                           wParam == static_cast<WPARAM>(VK_LEFT) ||
                           wParam == static_cast<WPARAM>(VK_RIGHT)) {
                    focused_ = (focused_ + 1) % static_cast<int>(buttons_.size());
                    InvalidateRect(window, nullptr, false);
                }
                return 0;
            case WM_CLOSE:
                Finish(CancelResult());
                return 0;
            default:
                return DefWindowProc(window, message, wParam, lParam);
        }
    }

    std::string text_;
    UINT icon_;
    HFONT font_;
    std::vector<Button> buttons_;
    RECT textRect_{};
    WindowProcedure procedure_;
    HWND window_;
    int pressed_ = -1;
    int focused_ = 0;
    int result_ = 0;
};

}  // namespace

int MessageBox(HWND hWnd, std::string_view lpText, std::string_view lpCaption, UINT uType) {
    const UINT buttons = uType & 0x0F;
    if (buttons != MB_OK && buttons != MB_OKCANCEL) {
        return 0;
    }
    const HWND owner = hWnd ? GetAncestor(hWnd, GA_ROOT) : HWND{};
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        EnableWindow(owner, false);
    }
    int result = 0;
    {
        MessageBoxWindow box{std::string(lpText), uType};
        if (box.Open(lpCaption, owner)) {
            MSG msg;
            while (box.Result() == 0 && IsWindow(box.Window())) {
                const int got = GetMessage(&msg, nullptr, 0, 0);
                if (got <= 0) {
                    if (got == 0) {
                        PostQuitMessage(static_cast<int>(msg.wParam));
                    }
                    break;
                }
                DispatchMessage(&msg);
            }
            result = box.Result();
        }
        // The owner comes back before the box goes, so activation returns to it.
        if (ownerWasEnabled && IsWindow(owner)) {
            EnableWindow(owner, true);
        }
    }
    if (owner && IsWindow(owner)) {
        SetActiveWindow(owner);
    }
    return result;
}

}  // namespace win
