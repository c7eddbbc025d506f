// Full redraws of a 105 x 25 button (the hub window's size) on the built-in text engine: the
// tariff window's orange gloss with its caption, and the rounded style with a 32 x 32 picture
// blended at half opacity.

#include <benchmark/benchmark.h>

#include <vector>

#include "button/render/redraw_button.h"
#include "button/render/stand_in_button.h"
#include "platform/forms/std_picture.h"

namespace quellan {
namespace {

void RedrawOrangeGlossWithCaption(benchmark::State& state) {
    testing::StandInButton button(105, 25);
    button.buttonStyle = StyleOrangeGloss;
    button.backColor = 0xFFD1AD;
    button.caption = "查询";
    for (auto _ : state) {
        RedrawButton(button);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RedrawOrangeGlossWithCaption);

void RedrawRoundedGradientWithPicture(benchmark::State& state) {
    testing::StandInButton button(105, 25);
    button.buttonStyle = StyleRoundedGradient;
    button.backColor = 0xE7EBEC;
    button.caption = "Button";
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < 32 * 32; ++i) {
        pixels.push_back(static_cast<std::uint32_t>(i * 2654435761u) & 0x00FFFFFF);
    }
    button.pictureNormal = win::forms::StdPicture::FromImage(win::png::PngImage{32, 32, 24, pixels},
                                                             win::forms::PictureType::Bitmap);
    button.pictureOpacity = 128;
    for (auto _ : state) {
        RedrawButton(button);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RedrawRoundedGradientWithPicture);

}  // namespace
}  // namespace quellan
