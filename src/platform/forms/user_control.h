#pragma once

// The base of a control of the program's own, placed on a form like any other: a window with a
// persistent drawing surface (hDC, pixel scale, background and foreground colour, font), its
// properties kept in the form's property store, the form's ambient properties, access keys and
// the form's extender. A control derives from it and overrides the hooks it needs:
//
//     Initialize → InitProperties (a new instance) or ReadProperties → Resize → Show → Paint …
//     Hide → Terminate
//
// once per load of its form; mouse, key and focus hooks as input arrives. Once the program has
// ended no hook runs. Mouse positions are in the surface's pixels. Drawing on hDC shows at the
// next paint or at Refresh.

#include <string>
#include <string_view>

#include "platform/forms/ambient_properties.h"
#include "platform/forms/extender.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/windowed_control.h"
#include "platform/gdi/sys_color.h"

namespace win::forms {

// Mouse buttons and shift keys as the hooks receive them.
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbMiddleButton = 4;
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// Mouse pointers: 0 the class's own, then the standard shapes.
inline constexpr int vbDefault = 0;
inline constexpr int vbArrow = 1;
inline constexpr int vbCrosshair = 2;
inline constexpr int vbIbeam = 3;
inline constexpr int vbHourglass = 11;
inline constexpr int vbNoDrop = 12;
inline constexpr int vbSizeAll = 15;

class UserControl : public WindowedControl {
public:
    UserControl(Container& container, std::string name);

    // ---- the drawing surface (while the form is loaded)
    HDC hDC() const;
    int ScaleWidth() const;
    int ScaleHeight() const;
    OLE_COLOR BackColor() const;
    // Also clears the drawing to the new colour.
    void SetBackColor(OLE_COLOR colour);
    // The colour text is drawn in on the surface.
    OLE_COLOR ForeColor() const;
    void SetForeColor(OLE_COLOR colour);
    void Cls();
    // Puts what is drawn on the surface on the screen now, without a Paint.
    void Refresh();
    int MousePointer() const;
    // A pointer number this platform has no shape for is refused.
    void SetMousePointer(int pointer);

    // ---- keyboard
    // Every character of the text is an access key (Alt with it raises AccessKeyPress).
    const std::string& AccessKeys() const;
    void SetAccessKeys(std::string keys);
    bool CanGetFocus() const;
    void SetCanGetFocus(bool canGetFocus);

    // ---- the form around it
    AmbientProperties Ambient() const { return AmbientProperties(*this); }
    forms::Extender& Extender() { return extender_; }
    const forms::Extender& Extender() const { return extender_; }
    // A property changed: the form's stored properties are out of date until it is saved.
    void PropertyChanged(std::string_view propertyName);
    // Writes the properties into the form's store for this control, the old ones cleared.
    void SaveProperties();

protected:
    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(const PropertyBag& bag) { (void)bag; }
    virtual void UserControl_WriteProperties(PropertyBag& bag) { (void)bag; }
    virtual void UserControl_Resize() {}
    virtual void UserControl_Show() {}
    virtual void UserControl_Paint() {}
    virtual void UserControl_Hide() {}
    virtual void UserControl_Terminate() {}
    virtual void UserControl_AmbientChanged(std::string_view propertyName) { (void)propertyName; }
    virtual void UserControl_AccessKeyPress(int keyAscii) { (void)keyAscii; }
    virtual void UserControl_MouseDown(int button, int shift, float x, float y);
    virtual void UserControl_MouseMove(int button, int shift, float x, float y);
    virtual void UserControl_MouseUp(int button, int shift, float x, float y);
    virtual void UserControl_DblClick() {}
    virtual void UserControl_KeyDown(int& keyCode, int shift);
    virtual void UserControl_KeyPress(int& keyAscii) { (void)keyAscii; }
    virtual void UserControl_KeyUp(int& keyCode, int shift);
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}

    // ---- Control
    void ResetProperties() override;
    std::string_view ClassName() const override;
    DWORD Style() const override { return 0; }
    bool CanTakeFocus() const override;
    void CreateControlWindow(HWND parent, int id) override;
    void WindowCreated() override;
    void ReleaseControlWindow() override;
    LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    bool MatchesAccessKey(char key) const override;
    void OnAccessKey(char key) override;
    void OnDefaultKey(char key) override;
    bool OwnsEnterKey() const override { return true; }
    void OnAmbientChanged(std::string_view name) override;
    void OnVisibilityChanged() override;
    void WriteStoredProperties() override { SaveProperties(); }

private:
    struct Surface {
        OLE_COLOR backColor = vbButtonFace;
        OLE_COLOR foreColor = vbButtonText;
        int mousePointer = vbDefault;
        std::string accessKeys;
        bool canGetFocus = true;
    };

    HDC SurfaceDc() const;
    void SetUpSurface();
    void Site();
    void Unsite();
    bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleKey(UINT message, WPARAM wParam);
    bool SetPointerShape() const;
    void RaiseAccessKeyPress(int keyAscii);

    Surface surface_;
    forms::Extender extender_{*this};
    // Between the properties being read and the window going: hooks may run.
    bool sited_ = false;
    bool shown_ = false;
};

}  // namespace win::forms
