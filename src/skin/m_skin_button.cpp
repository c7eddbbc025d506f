#include "skin/m_skin_button.h"

#include "platform/gdi/gdi.h"
#include "platform/user/module_exports.h"
#include "platform/user/user.h"
#include "skin/skin_bitmap.h"
#include "skin/skin_classes.h"
#include "skin/skin_properties.h"
#include "skin/subclassing.h"

namespace quellan {

MSkinButton& MSkinButton::Instance() {
    static MSkinButton module;
    return module;
}

void MSkinButton::InitialiseOnFirstUse() {
    if (initialised_) {
        return;
    }
    initialised_ = true;
    win::HMODULE user32 = win::GetModuleHandle("User32");
    if (!user32) {
        user32 = win::LoadLibrary("User32");
    }
    leaveTrackingByUser32_ = win::GetProcAddress(user32, "TrackMouseEvent") != nullptr;
    skinDc_ = BuildSkinBitmap();
}

std::int32_t MSkinButton::SkinWindow(win::HWND hWnd) {
    InitialiseOnFirstUse();
    const std::string windowClass = LowerCaseClassName(hWnd);
    if (IsSkinButtonClass(windowClass)) {
        return SkinButton(hWnd);
    }
    if (IsSkinContainerClass(windowClass)) {
        win::EnumChildWindows(
            hWnd,
            [this](win::HWND child, win::LPARAM lParam) { return EnumSkinChild(child, lParam); },
            0);
        return HookContainer(hWnd);
    }
    return 0;
}

std::int32_t MSkinButton::EnumSkinChild(win::HWND hWnd, win::LPARAM) {
    if (IsSkinButtonClass(LowerCaseClassName(hWnd))) {
        SkinButton(hWnd);
    } else {
        HookFlatBorder(hWnd);
    }
    return 1;
}

std::int32_t MSkinButton::HookContainer(win::HWND hWnd) {
    if (skin_properties::IsHooked(hWnd)) {
        return 0;
    }
    InstallProcedure(hWnd, &MSkinButton::SkinContainerProc);
    ++containerCount_;
    return 1;
}

std::int32_t MSkinButton::UnhookContainer(win::HWND hWnd) {
    if (!skin_properties::IsHooked(hWnd)) {
        return 0;
    }
    RestoreProcedure(hWnd);
    --containerCount_;
    FreeSkinWhenUnused();
    return 1;
}

std::int32_t MSkinButton::HookFlatBorder(win::HWND hWnd) {
    if (skin_properties::IsHooked(hWnd)) {
        return 0;
    }
    InstallProcedure(hWnd, &MSkinButton::FlatBorderProc);
    win::SendMessage(hWnd, win::WM_NCPAINT, 1, 0);
    return 1;
}

std::int32_t MSkinButton::UnhookFlatBorder(win::HWND hWnd) {
    if (!skin_properties::IsHooked(hWnd)) {
        return 0;
    }
    RestoreProcedure(hWnd);
    win::SendMessage(hWnd, win::WM_NCPAINT, 1, 0);
    return 1;
}

// The skin goes with the last skinned button and hooked container; the next SkinWindow builds
// it again.
void MSkinButton::FreeSkinWhenUnused() {
    if (buttonCount_ > 0 || containerCount_ > 0) {
        return;
    }
    FreeSkinBitmap(skinDc_);
    skinDc_ = nullptr;
    initialised_ = false;
}

}  // namespace quellan
