#include "control_test.h"

namespace win::controls::test {

ControlTest* ControlTest::current_ = nullptr;

ControlTest::ControlTest() {
    current_ = this;
    EXPECT_TRUE(InitCommonControls());
    WNDCLASS formClass;
    formClass.lpfnWndProc = &ControlTest::FormProcedure;
    formClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    formClass.lpszClassName = "ControlTestForm";
    RegisterClass(formClass);
    form = CreateWindowEx(0, "ControlTestForm", "form", WS_POPUP | WS_VISIBLE, kFormOrigin.x,
                          kFormOrigin.y, 400, 300, nullptr);
    desktop.Pump();
}

ControlTest::~ControlTest() {
    DestroyWindow(form);
    desktop.Pump();
    current_ = nullptr;
}

HWND ControlTest::MakeChild(const char* className, const std::string& text, DWORD style, RECT rect,
                            int id, DWORD exStyle) {
    const HWND child =
        CreateWindowEx(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                       rect.right - rect.left, rect.bottom - rect.top, form, HMENU::FromValue(id));
    desktop.Pump();
    return child;
}

std::uint32_t ControlTest::PixelOf(HWND control, int x, int y) {
    POINT point = ScreenPoint(control, x, y);
    return desktop.PresentedPixel(form, point.x - kFormOrigin.x, point.y - kFormOrigin.y);
}

POINT ControlTest::ScreenPoint(HWND control, int x, int y) {
    POINT point{x, y};
    ClientToScreen(control, &point);
    return point;
}

void ControlTest::ClickAt(HWND control, int x, int y) {
    const POINT point = ScreenPoint(control, x, y);
    desktop.Host().Click({point.x, point.y});
    desktop.Pump();
}

void ControlTest::Press(int key) {
    desktop.Host().KeyDown(key);
    desktop.Host().KeyUp(key);
    desktop.Pump();
}

void ControlTest::PressWith(int modifier, int key) {
    desktop.Host().KeyDown(modifier);
    Press(key);
    desktop.Host().KeyUp(modifier);
    desktop.Pump();
}

std::vector<Notification> ControlTest::TakeNotifications() {
    return std::exchange(notifications_, {});
}

LRESULT ControlTest::FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlTest* test = current_;
    if (test != nullptr && test->onFormMessage) {
        if (const auto answer = test->onFormMessage(window, message, wParam, lParam)) {
            return *answer;
        }
    }
    if (test != nullptr && message == WM_COMMAND) {
        test->notifications_.push_back({HIWORD(wParam), HWND::FromValue(lParam)});
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

std::uint32_t PixelColour(COLORREF colour) {
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

std::uint32_t SysPixel(int index) {
    return PixelColour(GetSysColor(index));
}

}  // namespace win::controls::test
