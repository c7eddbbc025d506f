#include "recording_window.h"

#include <map>

namespace win::test {

RecordingTest* RecordingTest::current_ = nullptr;

std::string MessageName(UINT message) {
    static const std::map<UINT, std::string> kNames{
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSKEYUP, "WM_SYSKEYUP"},
        {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_TIMER, "WM_TIMER"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
        {WM_SYSCOLORCHANGE, "WM_SYSCOLORCHANGE"},
        {WM_THEMECHANGED, "WM_THEMECHANGED"},
        {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_QUERYENDSESSION, "WM_QUERYENDSESSION"},
        {WM_ENDSESSION, "WM_ENDSESSION"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"},
        {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
        {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
        {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
        {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
    };
    auto found = kNames.find(message);
    return found == kNames.end() ? std::to_string(message) : found->second;
}

RecordingTest::RecordingTest() {
    current_ = this;
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = &RecordingTest::Procedure;
    windowClass.lpszClassName = "Recorder";
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    // Classes belong to the desktop, so each test registers them on its own.
    RegisterClass(windowClass);
    windowClass.lpszClassName = "RecorderDblClk";
    windowClass.style = CS_DBLCLKS;
    RegisterClass(windowClass);
}

RecordingTest::~RecordingTest() {
    current_ = nullptr;
}

LRESULT RecordingTest::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    RecordingTest* test = current_;
    if (test == nullptr) {
        return DefWindowProc(window, message, wParam, lParam);
    }
    if (test->recorded_.contains(message)) {
        test->log_.push_back(test->NameOf(window) + " " + MessageName(message));
    }
    if (test->onMessage) {
        if (const auto result = test->onMessage(window, message, wParam, lParam)) {
            return *result;
        }
    }
    return DefWindowProc(window, message, wParam, lParam);
}

HWND RecordingTest::Make(const std::string& name, DWORD style, RECT rect, HWND parent,
                         DWORD exStyle, const char* className) {
    // Messages sent during creation already carry the name: the next handle is not known, so
    // creation messages are named after the class until then.
    const std::size_t before = log_.size();
    const HWND window = CreateWindowEx(exStyle, className, name, style, rect.left, rect.top,
                                       rect.right - rect.left, rect.bottom - rect.top, parent);
    names_[window] = name;
    for (std::size_t i = before; i < log_.size(); ++i) {
        if (log_[i].rfind("? ", 0) == 0) {
            log_[i] = name + log_[i].substr(1);
        }
    }
    return window;
}

std::string RecordingTest::NameOf(HWND window) const {
    auto found = names_.find(window);
    return found == names_.end() ? "?" : found->second;
}

std::vector<std::string> RecordingTest::Take() {
    std::vector<std::string> taken = std::move(log_);
    log_.clear();
    return taken;
}

}  // namespace win::test
