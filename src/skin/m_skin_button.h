#pragma once

// Re-skins the standard push buttons of the program's windows with the shared skin: four
// pre-rendered state images per button, rounded corners and a short fade from one state to the
// next. Everything works by replacing window procedures; per-window data lives in the windows'
// property lists (see skin_properties.h), so the windows' owners need not know about it. Other
// child controls of a hooked window get a flat one-pixel border instead of the sunken edge.
//
// Skinning spreads: a hooked form or dialog skins every other form or dialog it is activated or
// deactivated against, with all of that window's controls.

#include <cstdint>

#include "platform/gdi/gdi_handle.h"
#include "platform/user/user_types.h"

namespace quellan {

class MSkinButton {
public:
    // The process's one skinning module.
    static MSkinButton& Instance();

    MSkinButton(const MSkinButton&) = delete;
    MSkinButton& operator=(const MSkinButton&) = delete;

    // The entry point: a button is skinned; a form or dialog is hooked with all its descendants;
    // a window of any other class is left alone. 1 when something was done.
    std::int32_t SkinWindow(win::HWND hWnd);

    // Each returns 1 when it did something, 0 when the window was already (un)hooked.
    std::int32_t SkinButton(win::HWND hWnd);
    std::int32_t UnskinButton(win::HWND hWnd);
    std::int32_t HookContainer(win::HWND hWnd);
    std::int32_t UnhookContainer(win::HWND hWnd);
    std::int32_t HookFlatBorder(win::HWND hWnd);
    std::int32_t UnhookFlatBorder(win::HWND hWnd);
    // Skins a button child, gives any other child the flat border; always 1 (go on).
    std::int32_t EnumSkinChild(win::HWND hWnd, win::LPARAM lParam);

    // Starts the 15 ms fade timer unless one runs: its identifier, or 0 when one ran already.
    std::int32_t StartFade(win::HWND hWnd);
    std::int32_t StopFade(win::HWND hWnd);
    // Asks for one WM_MOUSELEAVE when the mouse leaves the button.
    void TrackSkinLeave(win::HWND hWnd);
    // The button's four state images, from this module's skin.
    void DrawButtonStates(win::HWND hWnd);

    static win::LRESULT SkinButtonProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                       win::LPARAM lParam);
    static win::LRESULT SkinContainerProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                          win::LPARAM lParam);
    static win::LRESULT FlatBorderProc(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                       win::LPARAM lParam);

    // What the module holds.
    bool Initialised() const { return initialised_; }
    bool LeaveTrackingByUser32() const { return leaveTrackingByUser32_; }
    win::HDC SkinDc() const { return skinDc_; }
    std::int32_t ButtonCount() const { return buttonCount_; }
    std::int32_t ContainerCount() const { return containerCount_; }

private:
    MSkinButton() = default;

    void InitialiseOnFirstUse();
    void FreeSkinWhenUnused();
    void FadeStep(win::HWND hWnd);
    void ResizeStateImages(win::HWND hWnd);
    void ShowStateAtOnce(win::HWND hWnd, int state);
    void ChangeState(win::HWND hWnd, int state, int startLevel);
    win::LRESULT ButtonMessage(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                               win::LPARAM lParam);
    win::LRESULT ContainerMessage(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                  win::LPARAM lParam);
    win::LRESULT FlatBorderMessage(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                   win::LPARAM lParam);

    bool initialised_ = false;
    bool leaveTrackingByUser32_ = false;
    win::HDC skinDc_;
    std::int32_t buttonCount_ = 0;
    std::int32_t containerCount_ = 0;
};

}  // namespace quellan
