#include "button/render/style_renderers.h"
#include "button/render/themed_background.h"
#include "platform/gdi/gdi.h"
#include "platform/user/visual_styles.h"

namespace quellan {

namespace {

int ThemeStateOf(const StylePaint& p) {
    if (p.Disabled()) {
        return win::PBS_DISABLED;
    }
    switch (p.state) {
        case StateHot:
            return win::PBS_HOT;
        case StateDown:
            return win::PBS_PRESSED;
        default:
            return p.FocusOrDefault() && p.view.ParentActive() ? win::PBS_DEFAULTED
                                                               : win::PBS_NORMAL;
    }
}

}  // namespace

void DrawSystemTheme(const StylePaint& p) {
    p.view.SetSurfaceBackColor(win::GetSysColor(win::COLOR_BTNFACE));
    DrawThemedBackground(p.view, "Button", win::BP_PUSHBUTTON, ThemeStateOf(p));
    p.Content();
}

}  // namespace quellan
