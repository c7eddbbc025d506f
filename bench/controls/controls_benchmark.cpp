// What a keystroke costs in the fullest edit a user can make, and a push button's repaint.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/controls/edit_text.h"
#include "platform/controls/standard_controls.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace {

using namespace win;

HWND MakeForm() {
    WNDCLASS formClass;
    formClass.lpfnWndProc = &DefWindowProc;
    formClass.lpszClassName = "BenchForm";
    RegisterClass(formClass);
    return CreateWindowEx(0, "BenchForm", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr);
}

// A character typed and erased again at the end of a line at the length limit minus one, each
// with its repaint.
void BM_TypeIntoFullEdit(benchmark::State& state) {
    testing::HeadlessDesktop desktop;
    InitCommonControls();
    const HWND form = MakeForm();
    const HWND edit = CreateWindowEx(WS_EX_CLIENTEDGE, kEditClassName, "", WS_CHILD | WS_VISIBLE,
                                     10, 10, 300, 22, form, HMENU::FromValue(1));
    const std::string text(controls::EditText::kDefaultLimit - 1, '8');
    SetWindowText(edit, text);
    SetFocus(edit);
    SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    desktop.Pump();
    for (auto _ : state) {
        SendMessage(edit, WM_CHAR, '9', 1);
        desktop.Pump();
        SendMessage(edit, WM_CHAR, 0x08, 1);
        desktop.Pump();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_TypeIntoFullEdit)->Unit(benchmark::kMillisecond);

void BM_PushButtonRepaint(benchmark::State& state) {
    testing::HeadlessDesktop desktop;
    InitCommonControls();
    const HWND form = MakeForm();
    const HWND button = CreateWindowEx(0, kButtonClassName, "查看菜单", WS_CHILD | WS_VISIBLE, 10,
                                       10, 100, 24, form, HMENU::FromValue(1));
    desktop.Pump();
    for (auto _ : state) {
        InvalidateRect(button, nullptr, false);
        UpdateWindow(button);
    }
}
BENCHMARK(BM_PushButtonRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
