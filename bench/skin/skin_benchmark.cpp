// A skinned 75 × 23 button's work: one fade step (the blend onto the window), one whole 15 ms
// tick of a running fade (timer, blend, the window shown again), and rendering its four state
// images. A fade runs 86 ticks of 15 ms; the tick's time over 15 ms is the share of a core it
// takes while it runs.

#include <benchmark/benchmark.h>

#include "platform/forms/application.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"
#include "skin/m_skin_button.h"

namespace {

using namespace win;

class frmBench : public forms::Form {
public:
    frmBench() : Form("frmBench") {}
    forms::CommandButton cmdOk{*this, "cmdOk"};

protected:
    void Design() override {
        SetBorderStyle(forms::FormBorderStyle::None);
        SetStartUpPosition(forms::StartUpPosition::Manual);
        SetClientSize(100 * 15, 40 * 15);
        cmdOk.Move(10 * 15, 10 * 15, 75 * 15, 23 * 15);
        cmdOk.SetCaption("确定");
    }
};

struct SkinnedButton {
    testing::HeadlessDesktop desktop;
    frmBench form;
    HWND button;

    SkinnedButton() {
        form.Show();
        quellan::MSkinButton::Instance().SkinWindow(form.hWnd());
        desktop.Pump();
        button = form.cmdOk.hWnd();
    }
    ~SkinnedButton() { form.Unload(); }
};

void FadeStep(benchmark::State& state) {
    SkinnedButton skinned;
    for (auto _ : state) {
        SetProp(skinned.button, "ALPHALEVEL", 100);
        SendMessage(skinned.button, WM_TIMER, 1, 0);
    }
    state.SetLabel("75 x 23, one blend onto the window");
}
BENCHMARK(FadeStep);

void FadeTick(benchmark::State& state) {
    SkinnedButton skinned;
    for (auto _ : state) {
        SetProp(skinned.button, "ALPHALEVEL", 100);
        quellan::MSkinButton::Instance().StartFade(skinned.button);
        skinned.desktop.Advance(15);
    }
    state.SetLabel("timer, blend and presenting; a fade is 86 of these 15 ms apart");
}
BENCHMARK(FadeTick);

void DrawButtonStates(benchmark::State& state) {
    SkinnedButton skinned;
    for (auto _ : state) {
        quellan::MSkinButton::Instance().DrawButtonStates(skinned.button);
    }
    state.SetLabel("four 75 x 23 images with caption");
}
BENCHMARK(DrawButtonStates);

}  // namespace
