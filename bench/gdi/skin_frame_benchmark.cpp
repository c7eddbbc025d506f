// A skinned button's work: composing one 75 × 23 state image from a 9 × 21 tile with nine
// copies, then one fade step blending it onto the window.

#include <benchmark/benchmark.h>

#include "platform/gdi/gdi.h"

namespace win {
namespace {

struct Surface {
    HDC dc;
    HBITMAP bitmap;
    HBITMAP old;

    Surface(HDC display, int width, int height)
        : dc(CreateCompatibleDC(display)),
          bitmap(CreateCompatibleBitmap(display, width, height)),
          old(SelectObject(dc, bitmap)) {}
    ~Surface() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

void ComposeNinePieces(HDC d, HDC s, int w, int h) {
    BitBlt(d, 0, 0, 4, 5, s, 0, 0, SRCCOPY);
    StretchBlt(d, 4, 0, w - 8, 5, s, 4, 0, 1, 5, SRCCOPY);
    BitBlt(d, w - 4, 0, 4, 5, s, 5, 0, SRCCOPY);
    StretchBlt(d, 0, 5, 4, h - 10, s, 0, 5, 4, 11, SRCCOPY);
    StretchBlt(d, w - 4, 5, 4, h - 10, s, 5, 5, 4, 11, SRCCOPY);
    BitBlt(d, 0, h - 5, 4, 5, s, 0, 16, SRCCOPY);
    BitBlt(d, w - 4, h - 5, 4, 5, s, 5, 16, SRCCOPY);
    StretchBlt(d, 4, h - 5, w - 8, 5, s, 4, 16, 1, 5, SRCCOPY);
    StretchBlt(d, 4, 5, w - 8, h - 10, s, 4, 5, 1, 11, SRCCOPY);
}

void SkinFrame(benchmark::State& state) {
    constexpr int kWidth = 75;
    constexpr int kHeight = 23;
    const HDC display = CreateDC("DISPLAY");
    {
        Surface skin(display, 9, 21);
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 9; ++x) {
                SetPixel(skin.dc, x, y, RGB(x * 20, y * 10, 200));
            }
        }
        Surface image(display, kWidth, kHeight);
        Surface window(display, kWidth, kHeight);
        BLENDFUNCTION blend;
        blend.SourceConstantAlpha = 70;
        for (auto _ : state) {
            ComposeNinePieces(image.dc, skin.dc, kWidth, kHeight);
            AlphaBlend(window.dc, 0, 0, kWidth, kHeight, image.dc, 0, 0, kWidth, kHeight, blend);
            benchmark::ClobberMemory();
        }
        state.SetLabel("nine pieces + one blend");
    }
    DeleteDC(display);
}
BENCHMARK(SkinFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace win
