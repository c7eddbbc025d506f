#pragma once

// The tray icon and the hook in front of the tray menu window's procedure. The tray menu
// window's load registers the icon for its own window and puts TrayWndProc in front of its
// procedure, so that the icon's mouse notifications reach it: a right press brings the program to
// the foreground, the release opens the window's pop-up menu at the cursor.
//
// The process has one icon. While the tray menu window is unloaded, a hidden stand-in receives
// the icon's notifications; its right-button release loads the tray menu window and opens the
// menu, so the icon never leads nowhere.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/user/shell_notify_icon.h"
#include "platform/user/user_types.h"
#include "platform/user/window_procedure.h"

namespace win::forms {
class Form;
class Menu;
}  // namespace win::forms

namespace quellan {

// The icon's notification message on the tray menu window.
inline constexpr win::UINT kTrayCallbackMessage = 1147;
// The tip's room in bytes.
inline constexpr std::size_t kTrayTipBytes = 64;

// The program's folder as the icon's tip: cut to kTrayTipBytes, never inside a character.
std::string TrayTip(std::string_view folder);

class Module1 {
public:
    static Module1& Instance();

    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    // The registration steps of the tray menu window's load: fills TrayIconData for the window
    // (its icon, the program's folder as tip), registers the icon and installs TrayWndProc.
    // `popup` is the menu a right click opens.
    void RegisterTrayIcon(win::forms::Form& window, win::forms::Menu& popup,
                          win::NOTIFYICONDATA& TrayIconData);

    static win::LRESULT TrayWndProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                    win::LPARAM lParam);
    // The procedure TrayWndProc replaced; overwritten at each load of the tray menu window.
    win::WNDPROC PrevTrayWndProc() const { return PrevTrayWndProc_; }

    // Opens the tray menu window's pop-up menu at the cursor, loading the window first when it
    // is not loaded. Returns when the menu has closed.
    void OpenTrayMenu();

    // The tray menu window is being unloaded: the icon's notifications go to the stand-in until
    // it is loaded again.
    void TrayWindowUnloading();
    // Takes the icon off the tray; the program is ending.
    void RemoveTrayIcon();
    // The form is going away for good; nothing may reach it any more.
    void Forget(const win::forms::Form& window);

    // Whether the desktop took the icon at the last registration.
    bool IconShown() const { return registered_; }
    // The window the icon's notifications go to now (the tray menu window or the stand-in).
    win::HWND NotifiedWindow() const { return notified_; }

    // Told once per process when the desktop has no tray; standard error unless replaced.
    std::function<void(std::string_view message)> ReportNoTray;

private:
    Module1();

    static win::LRESULT StandInProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                    win::LPARAM lParam);
    win::HWND StandInWindow();
    bool PointIconAt(win::HWND window, const win::NOTIFYICONDATA& data);

    win::WNDPROC PrevTrayWndProc_;
    win::forms::Form* window_ = nullptr;
    win::forms::Menu* popup_ = nullptr;
    // The last registration, pointed at the stand-in while the window is unloaded.
    win::NOTIFYICONDATA lastData_{};
    win::HWND notified_;
    win::HWND standIn_;
    bool registered_ = false;
    bool noTrayReported_ = false;
};

}  // namespace quellan
