#include "platform/forms/user_control.h"

#include "platform/controls/picture_box.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/gdi_object.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace win::forms {

HDC UserControl::SurfaceDc() const {
    if (!window_) {
        return nullptr;
    }
    return HDC::FromValue(
        static_cast<std::uintptr_t>(SendMessage(window_, PBM_GETSURFACEDC, 0, 0)));
}

void UserControl::SetUpSurface() {
    SendMessage(window_, PBM_SETBKCOLOR, surface_.backColor, 0);
    if (HDC dc = SurfaceDc()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, TranslateColor(surface_.foreColor));
    }
}

HDC UserControl::hDC() const {
    Touch();
    return SurfaceDc();
}

int UserControl::ScaleWidth() const {
    Touch();
    RECT client{};
    GetClientRect(window_, &client);
    return client.right - client.left;
}

int UserControl::ScaleHeight() const {
    Touch();
    RECT client{};
    GetClientRect(window_, &client);
    return client.bottom - client.top;
}

OLE_COLOR UserControl::BackColor() const {
    Touch();
    return surface_.backColor;
}

void UserControl::SetBackColor(OLE_COLOR colour) {
    Touch();
    surface_.backColor = colour;
    if (window_) {
        SendMessage(window_, PBM_SETBKCOLOR, colour, 0);
    }
}

OLE_COLOR UserControl::ForeColor() const {
    Touch();
    return surface_.foreColor;
}

void UserControl::SetForeColor(OLE_COLOR colour) {
    Touch();
    surface_.foreColor = colour;
    if (HDC dc = SurfaceDc()) {
        SetTextColor(dc, TranslateColor(colour));
    }
}

void UserControl::Cls() {
    Touch();
    if (window_) {
        SendMessage(window_, PBM_CLEAR, 0, 0);
    }
}

void UserControl::Refresh() {
    Touch();
    HDC surface = SurfaceDc();
    if (!surface) {
        return;
    }
    HDC screen = GetDC(window_);
    if (!screen) {
        return;
    }
    BitBlt(screen, 0, 0, ScaleWidth(), ScaleHeight(), surface, 0, 0, SRCCOPY);
    ReleaseDC(window_, screen);
}

}  // namespace win::forms
