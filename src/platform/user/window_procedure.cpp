#include "platform/user/window_procedure.h"

#include <map>
#include <memory>
#include <unordered_map>
#include <utility>

#include "platform/user/def_window_proc.h"

namespace win {

namespace {

using SharedFunction = std::shared_ptr<const WindowProcedureFunction>;

// Values look like addresses (never small numbers) and are never handed out twice.
class ProcedureTable {
public:
    WNDPROC Add(WindowProcedureFunction function) {
        const LONG_PTR value = kFirstValue + static_cast<LONG_PTR>(next_++) * kSpacing;
        procedures_.emplace(value,
                            std::make_shared<const WindowProcedureFunction>(std::move(function)));
        return WNDPROC::FromLongPtr(value);
    }

    WNDPROC ForFunction(WNDPROC::Function function) {
        auto found = functions_.find(function);
        if (found != functions_.end()) {
            return found->second;
        }
        const WNDPROC procedure = Add(function);
        functions_.emplace(function, procedure);
        return procedure;
    }

    void Remove(WNDPROC procedure) { procedures_.erase(procedure.ToLongPtr()); }

    SharedFunction Find(WNDPROC procedure) const {
        auto found = procedures_.find(procedure.ToLongPtr());
        return found == procedures_.end() ? nullptr : found->second;
    }

private:
    static constexpr LONG_PTR kFirstValue = 0x10000;
    static constexpr LONG_PTR kSpacing = 16;

    std::uint64_t next_ = 0;
    std::unordered_map<LONG_PTR, SharedFunction> procedures_;
    std::map<WNDPROC::Function, WNDPROC> functions_;
};

ProcedureTable& Table() {
    static ProcedureTable table;
    return table;
}

}  // namespace

WNDPROC::WNDPROC(Function function) {
    if (function != nullptr) {
        value_ = Table().ForFunction(function).ToLongPtr();
    }
}

WindowProcedure::WindowProcedure(WindowProcedureFunction function)
    : procedure_(Table().Add(std::move(function))) {}

WindowProcedure::~WindowProcedure() {
    Release();
}

WindowProcedure::WindowProcedure(WindowProcedure&& other) noexcept
    : procedure_(std::exchange(other.procedure_, nullptr)) {}

WindowProcedure& WindowProcedure::operator=(WindowProcedure&& other) noexcept {
    if (this != &other) {
        Release();
        procedure_ = std::exchange(other.procedure_, nullptr);
    }
    return *this;
}

void WindowProcedure::Release() {
    if (procedure_) {
        Table().Remove(procedure_);
        procedure_ = nullptr;
    }
}

LRESULT CallWindowProc(WNDPROC procedure, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    // Held for the call, so a procedure that unregisters itself while running stays alive.
    const SharedFunction function = Table().Find(procedure);
    if (!function || !*function) {
        return DefWindowProc(hWnd, Msg, wParam, lParam);
    }
    return (*function)(hWnd, Msg, wParam, lParam);
}

}  // namespace win
