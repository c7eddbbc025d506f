// Time per message through the paths the program leans on: a message handed down a chain of
// three subclassing hooks (skin, tray and button hooks stacked on one window), and timer firing
// through the message loop on the virtual clock.

#include <benchmark/benchmark.h>

#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace {

using namespace win;

constexpr const char* kClassName = "BenchWindow";

LRESULT CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER || message == WM_TIMER) {
        return 1;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

HWND MakeWindow() {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = &CountingProcedure;
    windowClass.lpszClassName = kClassName;
    RegisterClass(windowClass);
    return CreateWindowEx(0, kClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr);
}

// A hook as the program writes them: previous procedure in a property, forwarded to.
class PropertyHook {
public:
    PropertyHook(HWND window, std::string name)
        : name_(std::move(name)), procedure_([this](HWND w, UINT m, WPARAM wp, LPARAM lp) {
              return CallWindowProc(WNDPROC::FromLongPtr(GetProp(w, name_)), w, m, wp, lp);
          }) {
        SetProp(window, name_, SetWindowLongPtr(window, GWL_WNDPROC, procedure_.Get().ToLongPtr()));
    }

private:
    std::string name_;
    WindowProcedure procedure_;
};

void BM_MessageThroughThreeHooks(benchmark::State& state) {
    testing::HeadlessDesktop desktop;
    const HWND window = MakeWindow();
    PropertyHook skin(window, "PROCADDR");
    PropertyHook tray(window, "TRAY");
    PropertyHook button(window, "THUNK");
    for (auto _ : state) {
        benchmark::DoNotOptimize(SendMessage(window, WM_USER, 0, 0));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MessageThroughThreeHooks);

void BM_PostedMessageThroughTheLoop(benchmark::State& state) {
    testing::HeadlessDesktop desktop;
    const HWND window = MakeWindow();
    MSG msg;
    for (auto _ : state) {
        PostMessage(window, WM_USER, 0, 0);
        PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
        benchmark::DoNotOptimize(DispatchMessage(&msg));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PostedMessageThroughTheLoop);

// Four timers as the running program has them (sampling, peak, two copy timers); each
// iteration advances the clock by 100 ms, firing the 100 ms timers through the loop.
void BM_TimerFiring(benchmark::State& state) {
    testing::HeadlessDesktop desktop;
    const HWND window = MakeWindow();
    SetTimer(window, 1, 100, nullptr);
    SetTimer(window, 2, 2000, nullptr);
    SetTimer(window, 3, 100, nullptr);
    SetTimer(window, 4, 100, nullptr);
    for (auto _ : state) {
        desktop.Advance(100);
    }
    state.SetItemsProcessed(state.iterations() * 3);
    state.SetLabel("items: WM_TIMER messages");
}
BENCHMARK(BM_TimerFiring);

}  // namespace

BENCHMARK_MAIN();
