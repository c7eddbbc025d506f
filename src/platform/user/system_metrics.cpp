#include "platform/user/system_metrics.h"

#include "platform/user/session.h"

namespace win {

int GetSystemMetrics(int nIndex) {
    user::Session* session = user::Current();
    const host::Size screen = session ? session->Host().ScreenSize() : host::Size{};
    const host::Margins frame = session ? session->Host().DecorationMargins() : host::Margins{};
    switch (nIndex) {
        case SM_CXSCREEN:
            return screen.width;
        case SM_CYSCREEN:
            return screen.height;
        case SM_CXFULLSCREEN:
            return screen.width;
        case SM_CYFULLSCREEN:
            return screen.height - frame.top;
        case SM_CYCAPTION:
            return frame.top - frame.bottom;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return 3;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return 4;
        case SM_CXEDGE:
        case SM_CYEDGE:
            return 2;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
            return 16;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR:
            return 32;
        case SM_CXSMICON:
        case SM_CYSMICON:
            return 16;
        case SM_CYMENU:
            return 19;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
            return 4;
        default:
            return 0;
    }
}

bool SystemParametersInfo(UINT uiAction, UINT, void* pvParam, UINT) {
    user::Session* session = user::Current();
    if (session == nullptr || uiAction != SPI_GETWORKAREA || pvParam == nullptr) {
        return false;
    }
    const host::Rect area = session->Host().WorkArea();
    *static_cast<RECT*>(pvParam) = {area.left, area.top, area.right, area.bottom};
    return true;
}

}  // namespace win
