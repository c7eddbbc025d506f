#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/user/user_types.h"

namespace win {

// A window procedure named by a pointer-sized value, so it can sit in a window's procedure
// slot or in a property and be called later through CallWindowProc. Plain functions convert to
// it implicitly; procedures with state are made by WindowProcedure.
class WNDPROC {
public:
    using Function = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

    constexpr WNDPROC() = default;
    constexpr WNDPROC(std::nullptr_t) {}
    // The same function always gives the same value while a host is attached; null otherwise.
    WNDPROC(Function function);

    static constexpr WNDPROC FromLongPtr(LONG_PTR value) { return WNDPROC(value, 0); }
    constexpr LONG_PTR ToLongPtr() const { return value_; }
    explicit constexpr operator bool() const { return value_ != 0; }
    friend constexpr bool operator==(WNDPROC, WNDPROC) = default;

private:
    constexpr WNDPROC(LONG_PTR value, int) : value_(value) {}
    LONG_PTR value_ = 0;
};

using WindowProcedureFunction = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// Owns a procedure that carries state (a hook object, a bound member). Its value names the
// procedure until this object goes; after that a call through the value reaches DefWindowProc,
// and a call already running finishes safely. The value is given out by the attached session
// on first use, so an object made before a host is attached, or kept across hosts, still works.
class WindowProcedure {
public:
    explicit WindowProcedure(WindowProcedureFunction function);
    ~WindowProcedure();
    WindowProcedure(WindowProcedure&& other) noexcept;
    WindowProcedure& operator=(WindowProcedure&& other) noexcept;
    WindowProcedure(const WindowProcedure&) = delete;
    WindowProcedure& operator=(const WindowProcedure&) = delete;

    // Null while no host is attached.
    WNDPROC Get() const;

private:
    void Release();
    std::shared_ptr<const WindowProcedureFunction> function_;
    mutable WNDPROC procedure_;
    mutable std::uint64_t session_ = 0;
};

// Calls `procedure` for the window; a null or no longer existing procedure gets DefWindowProc.
LRESULT CallWindowProc(WNDPROC procedure, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

}  // namespace win
