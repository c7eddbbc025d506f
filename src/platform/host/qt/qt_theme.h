#pragma once

#include "platform/host/host.h"

namespace win::host::desktop {

// The push-button panels of the application's QStyle, painted into our bitmaps.
class QtTheme final : public Theme {
public:
    void DrawPushButton(PixelTarget target, Rect bounds, PushButtonState state) override;
    std::vector<Span> PushButtonShape(Size size, PushButtonState state) override;
};

}  // namespace win::host::desktop
