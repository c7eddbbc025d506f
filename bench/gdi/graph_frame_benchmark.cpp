// One frame of the statistics window's line graph on its 380 × 117 picture box: clear, the
// border and grid rectangles, and 100 line segments.

#include <benchmark/benchmark.h>

#include "platform/gdi/gdi.h"

namespace win {
namespace {

void DrawRectangleOutline(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    const RECT r{left, top, right, bottom};
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

void DrawSegment(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
    const HPEN pen = CreatePen(PS_SOLID, 1, colour);
    const HPEN old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void GraphFrame(benchmark::State& state) {
    constexpr int kWidth = 380;
    constexpr int kHeight = 117;
    const HDC dc = CreateCompatibleDC(HDC());
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, kWidth, kHeight);
    const HBITMAP old = SelectObject(dc, bitmap);
    const HBRUSH background = CreateSolidBrush(RGB(0, 0, 0));
    int samples[100];
    for (int i = 0; i < 100; ++i) {
        samples[i] = (i * 37) % 100;
    }
    for (auto _ : state) {
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(dc, &all, background);
        for (int i = 1; i <= 20; ++i) {
            DrawRectangleOutline(dc, 0, 0, kWidth * i / 20, kHeight, RGB(0, 64, 0));
        }
        for (int i = 1; i <= 10; ++i) {
            DrawRectangleOutline(dc, 0, 0, kWidth, kHeight * i / 10, RGB(0, 64, 0));
        }
        int x0 = 2;
        int y0 = kHeight - kHeight * samples[0] / 100;
        for (int i = 1; i <= 100; ++i) {
            const int x = (i - 1) * kWidth / 100 + 2;
            const int y = kHeight - kHeight * samples[i - 1] / 100;
            DrawSegment(dc, x0, y0, x, y, RGB(0, 255, 0));
            x0 = x;
            y0 = y;
        }
        benchmark::ClobberMemory();
    }
    state.SetLabel("one frame");
    DeleteObject(background);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
BENCHMARK(GraphFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace win
