#include "platform/user/window_procedure.h"

#include <memory>
#include <utility>

#include "platform/user/def_window_proc.h"
#include "platform/user/procedure_table.h"
#include "platform/user/session.h"

namespace win {

namespace {

WNDPROC AddToSession(user::Session& session, user::SharedProcedure function) {
    return session.procedures.Add(session.sequence.NextProcedure(), std::move(function));
}

}  // namespace

WNDPROC::WNDPROC(Function function) {
    user::Session* session = user::Current();
    if (function == nullptr || session == nullptr) {
        return;
    }
    WNDPROC known = session->procedures.Find(function);
    if (!known) {
        known = AddToSession(*session, std::make_shared<const WindowProcedureFunction>(function));
        session->procedures.Remember(function, known);
    }
    value_ = known.ToLongPtr();
}

WindowProcedure::WindowProcedure(WindowProcedureFunction function)
    : function_(std::make_shared<const WindowProcedureFunction>(std::move(function))) {}

WindowProcedure::~WindowProcedure() {
    Release();
}

WindowProcedure::WindowProcedure(WindowProcedure&& other) noexcept
    : function_(std::move(other.function_)),
      procedure_(std::exchange(other.procedure_, nullptr)),
      session_(std::exchange(other.session_, 0)) {}

WindowProcedure& WindowProcedure::operator=(WindowProcedure&& other) noexcept {
    if (this != &other) {
        Release();
        function_ = std::move(other.function_);
        procedure_ = std::exchange(other.procedure_, nullptr);
        session_ = std::exchange(other.session_, 0);
    }
    return *this;
}

WNDPROC WindowProcedure::Get() const {
    user::Session* session = user::Current();
    if (session == nullptr || !function_) {
        return nullptr;
    }
    if (!procedure_ || session_ != session->sequence.Serial()) {
        procedure_ = AddToSession(*session, function_);
        session_ = session->sequence.Serial();
    }
    return procedure_;
}

void WindowProcedure::Release() {
    user::Session* session = user::Current();
    if (procedure_ && session != nullptr && session_ == session->sequence.Serial()) {
        session->procedures.Remove(procedure_);
    }
    procedure_ = nullptr;
    session_ = 0;
}

LRESULT CallWindowProc(WNDPROC procedure, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    // Held for the call, so a procedure that unregisters itself while running stays alive.
    user::Session* session = user::Current();
    const user::SharedProcedure function = session ? session->procedures.Find(procedure) : nullptr;
    if (!function || !*function) {
        return DefWindowProc(hWnd, Msg, wParam, lParam);
    }
    return (*function)(hWnd, Msg, wParam, lParam);
}

}  // namespace win
