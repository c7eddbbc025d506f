#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/host/host.h"
#include "platform/user/class_registry.h"
#include "platform/user/input_state.h"
#include "platform/user/menu_table.h"
#include "platform/user/messaging.h"
#include "platform/user/module_exports_table.h"
#include "platform/user/procedure_table.h"
#include "platform/user/timer_table.h"
#include "platform/user/window.h"

namespace win::user {

class HostBridge;

// The process's one tray icon, as Shell_NotifyIcon set it.
struct TrayRegistration {
    HWND window;
    UINT id = 0;
    UINT callbackMessage = 0;
    bool notifies = false;
    HBITMAP icon;
    std::string tip;
};

// A DC handed out by GetDC, GetWindowDC or BeginPaint.
struct DcRecord {
    HWND window;
    HWND topLevel;
    // Where it may draw, in backing-store coordinates: what becomes dirty when it is released.
    RECT visibleBox;
};

// The values handed out as handles. Carried from one session to the next, so a handle kept from
// an earlier desktop never names a window, menu or procedure of a later one.
class HandleSequence {
public:
    HWND NextWindow() { return HWND::FromValue(Take(nextWindow_, 2)); }
    HMENU NextMenu() { return HMENU::FromValue(Take(nextMenu_, 2)); }
    LONG_PTR NextProcedure() { return Take(nextProcedure_, 16); }
    LONG_PTR NextTheme() { return Take(nextTheme_, 1); }
    // Which session holds the sequence now: 1 for the first one attached in the run.
    std::uint64_t Serial() const { return serial_; }
    void StartSession() { ++serial_; }

private:
    static LONG_PTR Take(LONG_PTR& next, LONG_PTR step) { return std::exchange(next, next + step); }

    LONG_PTR nextWindow_ = 0x10010;
    LONG_PTR nextMenu_ = 0x20010;
    LONG_PTR nextProcedure_ = 0x10000;
    LONG_PTR nextTheme_ = 1;
    std::uint64_t serial_ = 0;
};

// The window manager's state while a host is attached: one object, not scattered globals.
class Session {
public:
    explicit Session(host::Host& host);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    host::Host& Host() const { return host_; }
    HostBridge& Bridge() const { return *bridge_; }

    // A window that exists and whose destruction has not finished; null otherwise.
    Window* Get(HWND handle) const;
    // Keeps the window's record alive across calls that may destroy it.
    std::shared_ptr<Window> Hold(HWND handle) const;
    void Add(std::shared_ptr<Window> window);
    void Remove(HWND handle);
    std::vector<HWND> AllWindows() const;
    HWND FindByNative(host::WindowId native) const;
    void MapNative(host::WindowId native, HWND handle) { byNative_[native] = handle; }
    void UnmapNative(host::WindowId native) { byNative_.erase(native); }

    // Top-level windows, topmost first.
    std::vector<HWND> topLevels;
    std::deque<MSG> posted;
    // Mouse and keyboard messages: retrieved after the posted ones, as Windows does.
    std::deque<MSG> inputMessages;
    std::optional<int> quitCode;
    TimerTable timers;
    InputState input;
    LONG messageTime = 0;
    std::unordered_map<std::uintptr_t, DcRecord> dcs;
    std::optional<TrayRegistration> tray;
    ModuleExports modules;
    ClassRegistry classes;
    ProcedureTable procedures;
    MenuTable menus;
    HandleSequence sequence;
    // Theme handles handed out and not closed yet; a closed one is refused from then on.
    std::set<LONG_PTR> openThemes;

    // Tells the host when the next timer is due.
    void UpdateWakeUp();

private:
    host::Host& host_;
    std::unordered_map<HWND, std::shared_ptr<Window>> windows_;
    std::unordered_map<host::WindowId, HWND> byNative_;
    std::unique_ptr<HostBridge> bridge_;
};

// The attached session, or null when no host is attached.
Session* Current();
void SetCurrent(std::unique_ptr<Session> session);
// Never the same value twice in a run.
HWND NewWindowHandle();

}  // namespace win::user
