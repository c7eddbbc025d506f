// The vertical band of a 105 x 25 button (the hub window's size), the primitive every gradient
// style draws two or more of per paint.

#include <benchmark/benchmark.h>

#include "button/render/gradient.h"
#include "platform/gdi/gdi.h"

namespace quellan {
namespace {

void GradientOverButton(benchmark::State& state) {
    const win::HDC dc = win::CreateCompatibleDC(win::HDC());
    const win::HBITMAP bitmap = win::CreateCompatibleBitmap(dc, 105, 25);
    const win::HBITMAP previous = win::SelectObject(dc, bitmap);
    const auto direction = static_cast<GradientDirection>(state.range(0));
    for (auto _ : state) {
        DrawGradient(dc, 0, 0, 105, 25, win::RGB(255, 255, 255), win::RGB(173, 209, 255),
                     direction);
        benchmark::ClobberMemory();
    }
    win::SelectObject(dc, previous);
    win::DeleteObject(bitmap);
    win::DeleteDC(dc);
}
BENCHMARK(GradientOverButton)->Arg(0)->Arg(1)->Arg(2)->Arg(3);

}  // namespace
}  // namespace quellan
