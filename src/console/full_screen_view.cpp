#include "console/full_screen_view.h"

#include <utility>

#include "console/ansi_frame.h"

namespace quellan::console {

FullScreenView::FullScreenView(ConsoleOutput output, std::function<ScreenSize()> sizeNow)
    : output_(std::move(output)), sizeNow_(std::move(sizeNow)) {
    output_(kEnterFullScreen);
}

FullScreenView::~FullScreenView() {
    output_(kLeaveFullScreen);
}

bool FullScreenView::Show(const ConsoleFigures& figures) {
    return output_(FrameText(ScreenLines(figures, sizeNow_())));
}

}  // namespace quellan::console
