// What the live-object table costs a drawing step: the drawing primitives create, select and
// delete a pen or brush around every line and fill. The same line drawn with one pen kept
// selected is the baseline; the difference is the table's share.

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/gdi/gdi.h"

namespace win {
namespace {

struct Canvas {
    HDC dc = CreateCompatibleDC(HDC());
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 380, 117);
    HBITMAP old = SelectObject(dc, bitmap);
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

void LineWithItsOwnPen(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        const HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
        const HPEN old = SelectObject(canvas.dc, pen);
        MoveToEx(canvas.dc, 2, 50, nullptr);
        LineTo(canvas.dc, 6, 40);
        SelectObject(canvas.dc, old);
        DeleteObject(pen);
    }
}
BENCHMARK(LineWithItsOwnPen);

void LineWithASelectedPen(benchmark::State& state) {
    Canvas canvas;
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
    const HPEN old = SelectObject(canvas.dc, pen);
    for (auto _ : state) {
        MoveToEx(canvas.dc, 2, 50, nullptr);
        LineTo(canvas.dc, 6, 40);
    }
    SelectObject(canvas.dc, old);
    DeleteObject(pen);
}
BENCHMARK(LineWithASelectedPen);

void CreateSelectDeleteCycle(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        const HBRUSH old = SelectObject(canvas.dc, brush);
        SelectObject(canvas.dc, old);
        DeleteObject(brush);
    }
}
BENCHMARK(CreateSelectDeleteCycle);

// Lookups stay flat however many objects are alive.
void CycleWithManyLiveObjects(benchmark::State& state) {
    Canvas canvas;
    std::vector<HBRUSH> alive;
    for (int i = 0; i < state.range(0); ++i) {
        alive.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    }
    for (auto _ : state) {
        const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        const HBRUSH old = SelectObject(canvas.dc, brush);
        SelectObject(canvas.dc, old);
        DeleteObject(brush);
    }
    for (HBRUSH brush : alive) {
        DeleteObject(brush);
    }
}
BENCHMARK(CycleWithManyLiveObjects)->Arg(10)->Arg(10000);

}  // namespace
}  // namespace win
