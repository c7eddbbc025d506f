// Time per message through the paths the program leans on: a message handed down a chain of
// three subclassing hooks (skin, tray and button hooks stacked on one window), timer firing
// through the message loop on the virtual clock, and a mouse move from the desktop to the
// window under it (hit tests, cursor, leave tracking).

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

HWND MakeWindow(DWORD style = WS_POPUP, RECT rect = {0, 0, 10, 10}, HWND parent = nullptr) {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = &CountingProcedure;
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(windowClass);
    return CreateWindowEx(0, kClassName, "", style, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, parent);
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

// The hub window's shape: a form, a frame, a skinned button in it asking for leave notices.
// Each iteration moves the pointer back and forth over the button, frame included.
void BM_MouseMoveToANestedButton(benchmark::State& state) {
    testing::HeadlessDesktop desktop;
    const HWND form = MakeWindow(WS_POPUP | WS_VISIBLE, {100, 100, 500, 400});
    const HWND frame = MakeWindow(WS_CHILD | WS_VISIBLE, {20, 20, 380, 280}, form);
    const HWND button = MakeWindow(WS_CHILD | WS_VISIBLE | WS_BORDER, {40, 40, 140, 80}, frame);
    PropertyHook skin(button, "PROCADDR");
    TRACKMOUSEEVENT leave{sizeof(TRACKMOUSEEVENT), TME_LEAVE, button, 0};
    const host::Point points[] = {{170, 170}, {160, 165}};
    int next = 0;
    for (auto _ : state) {
        desktop.Host().MoveMouse(points[next]);
        next ^= 1;
        TrackMouseEvent(&leave);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MouseMoveToANestedButton);

}  // namespace

BENCHMARK_MAIN();
