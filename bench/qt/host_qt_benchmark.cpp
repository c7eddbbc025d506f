#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "platform/gdi/text/text_engine.h"
#include "platform/host/qt/qt_host.h"

namespace {

using namespace win::host;

QtHost& Host() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QtHost* host = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QtHost(argc, argv);
    }();
    return *host;
}

void BM_DrawChineseLabel(benchmark::State& state) {
    win::text::FontDescription font;
    font.faceName = "SimSun";
    font.height = -12;
    const auto matched = Host().GetTextEngine()->MatchFont(font);
    std::vector<std::uint8_t> alpha(180 * 20);
    for (auto _ : state) {
        win::text::CoverageMask mask(0, 0, 180, 20, alpha);
        matched->DrawRun("下载: 123.5 KB/s", 4, 14, mask);
        benchmark::DoNotOptimize(alpha.data());
    }
}
BENCHMARK(BM_DrawChineseLabel);

void BM_ThemedButtonPanel(benchmark::State& state) {
    std::vector<std::uint32_t> pixels(100 * 30);
    Theme* theme = Host().GetTheme();
    for (auto _ : state) {
        theme->DrawPushButton({pixels.data(), 100, 30, 100}, {0, 0, 100, 30}, PushButtonState::Hot);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_ThemedButtonPanel);

void BM_PresentAndProcess(benchmark::State& state) {
    QtHost& host = Host();
    WindowSpec request;
    request.content = {0, 0, 180, 60};
    const WindowId window = host.CreateNativeWindow(request);
    host.Show(window, false);
    std::vector<std::uint32_t> pixels(180 * 60, 0x00336699);
    for (auto _ : state) {
        host.Present(window, {pixels.data(), 180, 60, 180}, {0, 0, 180, 60});
        host.ProcessPendingEvents();
    }
    host.DestroyNativeWindow(window);
}
BENCHMARK(BM_PresentAndProcess);

}  // namespace

BENCHMARK_MAIN();
