// Skinning and unskinning one push button: its four state images, its owner-drawn style, its
// rounded region and its procedure.

#include "platform/controls/button.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"
#include "skin/button_states.h"
#include "skin/m_skin_button.h"
#include "skin/skin_bitmap.h"
#include "skin/skin_properties.h"
#include "skin/subclassing.h"

namespace quellan {

namespace {

namespace props = skin_properties;

constexpr int kDisabledState = 3;
// The low byte of a button's style without the owner-drawn type.
constexpr win::LONG kPlainButtonTypeMask = 0xF4;

win::SIZE WindowSize(win::HWND hWnd) {
    win::RECT bounds{};
    win::GetWindowRect(hWnd, &bounds);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void SetRoundedRegion(win::HWND hWnd, win::SIZE size) {
    win::SetWindowRgn(hWnd, win::CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, 3, 3), true);
}

// Selects a new bitmap of the given size into the state's DC and deletes the one it replaces.
void GiveStateBitmap(win::HWND hWnd, int state, win::HDC windowDc, win::SIZE size) {
    const win::HBITMAP bitmap = win::CreateCompatibleBitmap(windowDc, size.cx, size.cy);
    win::DeleteObject(win::SelectObject(props::StateDc(hWnd, state), bitmap));
    win::SetProp(hWnd, props::StateBitmapName(state), static_cast<win::LONG_PTR>(bitmap.Value()));
}

}  // namespace

void MSkinButton::DrawButtonStates(win::HWND hWnd) {
    quellan::DrawButtonStates(hWnd, skinDc_);
}

std::int32_t MSkinButton::SkinButton(win::HWND hWnd) {
    if (props::IsHooked(hWnd)) {
        return 0;
    }
    const win::HDC windowDc = win::GetWindowDC(hWnd);
    const win::SIZE size = WindowSize(hWnd);
    for (int state = 0; state < kSkinStateCount; ++state) {
        const win::HDC stateDc = win::CreateCompatibleDC(windowDc);
        win::SetProp(hWnd, props::StateDcName(state), static_cast<win::LONG_PTR>(stateDc.Value()));
        GiveStateBitmap(hWnd, state, windowDc, size);
    }
    DrawButtonStates(hWnd);
    win::ReleaseDC(hWnd, windowDc);
    win::SendMessage(hWnd, win::BM_SETSTYLE, win::BS_OWNERDRAW, 1);
    win::SetProp(hWnd, props::kMouseFlag, 0);
    win::SetProp(hWnd, props::kTimerId, 0);
    win::SetProp(hWnd, props::kOldState, win::IsWindowEnabled(hWnd) ? 0 : kDisabledState);
    win::SetProp(hWnd, props::kAlphaLevel, 0);
    SetRoundedRegion(hWnd, size);
    InstallProcedure(hWnd, &MSkinButton::SkinButtonProc);
    ++buttonCount_;
    return 1;
}

void MSkinButton::ResizeStateImages(win::HWND hWnd) {
    const win::HDC windowDc = win::GetWindowDC(hWnd);
    const win::SIZE size = WindowSize(hWnd);
    for (int state = 0; state < kSkinStateCount; ++state) {
        GiveStateBitmap(hWnd, state, windowDc, size);
    }
    DrawButtonStates(hWnd);
    win::ReleaseDC(hWnd, windowDc);
    SetRoundedRegion(hWnd, size);
}

std::int32_t MSkinButton::UnskinButton(win::HWND hWnd) {
    if (!props::IsHooked(hWnd)) {
        return 0;
    }
    for (int state = 0; state < kSkinStateCount; ++state) {
        win::DeleteDC(props::StateDc(hWnd, state));
        win::DeleteObject(props::StateBitmap(hWnd, state));
        win::RemoveProp(hWnd, props::StateDcName(state));
        win::RemoveProp(hWnd, props::StateBitmapName(state));
    }
    StopFade(hWnd);
    for (const char* name :
         {props::kMouseFlag, props::kTimerId, props::kOldState, props::kAlphaLevel}) {
        win::RemoveProp(hWnd, name);
    }
    const win::LONG style = win::GetWindowLong(hWnd, win::GWL_STYLE);
    win::SetWindowLong(hWnd, win::GWL_STYLE, (style & ~0xFF) | (style & kPlainButtonTypeMask));
    win::SetWindowRgn(hWnd, nullptr, true);
    RestoreProcedure(hWnd);
    win::RedrawWindow(hWnd, nullptr, nullptr, win::RDW_INVALIDATE);
    --buttonCount_;
    FreeSkinWhenUnused();
    return 1;
}

}  // namespace quellan
