#include "shell/module1.h"

#include <iostream>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/menu.h"
#include "platform/user/user.h"

namespace quellan {
namespace {

constexpr char kStandInClassName[] = "QuellanTrayStandIn";

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void EnsureStandInClass(win::WNDPROC procedure) {
    win::WNDCLASS existing;
    if (win::GetClassInfo(kStandInClassName, &existing)) {
        return;
    }
    win::WNDCLASS windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = kStandInClassName;
    win::RegisterClass(windowClass);
}

}  // namespace

std::string TrayTip(std::string_view folder) {
    if (folder.size() <= kTrayTipBytes) {
        return std::string(folder);
    }
    std::size_t end = kTrayTipBytes;
    // Back to the first byte of the character the cut would split.
    while (end > 0 && IsContinuationByte(folder[end])) {
        --end;
    }
    return std::string(folder.substr(0, end));
}

Module1& Module1::Instance() {
    static Module1 module;
    return module;
}

Module1::Module1() {
    ReportNoTray = [](std::string_view message) { std::cerr << message << "\n"; };
}

void Module1::RegisterTrayIcon(win::forms::Form& window, win::forms::Menu& popup,
                               win::NOTIFYICONDATA& TrayIconData) {
    window_ = &window;
    popup_ = &popup;
    const win::HWND hWnd = window.hWnd();
    TrayIconData.hWnd = hWnd;
    TrayIconData.uID = 0;
    TrayIconData.uFlags = win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP;
    TrayIconData.uCallbackMessage = kTrayCallbackMessage;
    TrayIconData.hIcon = window.Icon() ? window.Icon()->Handle() : win::HBITMAP{};
    TrayIconData.szTip = TrayTip(win::forms::App().Path());
    lastData_ = TrayIconData;
    PointIconAt(hWnd, TrayIconData);
    PrevTrayWndProc_ = win::WNDPROC::FromLongPtr(win::SetWindowLongPtr(
        hWnd, win::GWL_WNDPROC, win::WNDPROC(&Module1::TrayWndProc).ToLongPtr()));
}

bool Module1::PointIconAt(win::HWND window, const win::NOTIFYICONDATA& data) {
    win::NOTIFYICONDATA pointed = data;
    pointed.hWnd = window;
    registered_ = win::Shell_NotifyIcon(win::NIM_ADD, &pointed);
    notified_ = registered_ ? window : win::HWND{};
    if (!registered_ && !noTrayReported_) {
        noTrayReported_ = true;
        if (ReportNoTray) {
            ReportNoTray(
                "quellan: "
                "桌面没有通知区域，不显示托盘图标；请从菜单窗口和右下角的小窗口使用本程序。");
        }
    }
    return registered_;
}

win::LRESULT Module1::TrayWndProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                  win::LPARAM lParam) {
    Module1& module = Instance();
    if (uMsg == kTrayCallbackMessage) {
        switch (static_cast<win::UINT>(lParam)) {
            case win::WM_RBUTTONDOWN:
                win::SetForegroundWindow(hWnd);
                break;
            case win::WM_RBUTTONUP:
                module.OpenTrayMenu();
                break;
            default:
                // Left clicks, double clicks and moves do nothing.
                break;
        }
    }
    return win::CallWindowProc(module.PrevTrayWndProc_, hWnd, uMsg, wParam, lParam);
}

void Module1::OpenTrayMenu() {
    if (window_ != nullptr && popup_ != nullptr) {
        window_->PopupMenu(*popup_);
    }
}

win::LRESULT Module1::StandInProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                  win::LPARAM lParam) {
    if (uMsg == kTrayCallbackMessage && static_cast<win::UINT>(lParam) == win::WM_RBUTTONUP) {
        // Loading the tray menu window points the icon back at it.
        Instance().OpenTrayMenu();
        return 0;
    }
    return win::DefWindowProc(hWnd, uMsg, wParam, lParam);
}

win::HWND Module1::StandInWindow() {
    if (!win::IsWindow(standIn_)) {
        EnsureStandInClass(&Module1::StandInProc);
        standIn_ = win::CreateWindowEx(win::WS_EX_TOOLWINDOW, kStandInClassName, "", win::WS_POPUP,
                                       0, 0, 0, 0, nullptr);
    }
    return standIn_;
}

void Module1::TrayWindowUnloading() {
    if (!registered_) {
        return;
    }
    if (const win::HWND standIn = StandInWindow()) {
        PointIconAt(standIn, lastData_);
    }
}

void Module1::RemoveTrayIcon() {
    if (registered_) {
        win::NOTIFYICONDATA data = lastData_;
        data.hWnd = notified_;
        win::Shell_NotifyIcon(win::NIM_DELETE, &data);
        registered_ = false;
        notified_ = {};
    }
    if (win::IsWindow(standIn_)) {
        win::DestroyWindow(standIn_);
    }
    standIn_ = {};
}

void Module1::Forget(const win::forms::Form& window) {
    if (window_ == &window) {
        window_ = nullptr;
        popup_ = nullptr;
    }
}

}  // namespace quellan
