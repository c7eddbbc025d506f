#pragma once

// The base of every control a form holds as a member. A control keeps its properties itself; a
// windowed one mirrors them into its window while the form is loaded. Reading or setting any
// property of a control loads its form first when it is not loaded.

#include <functional>
#include <string>
#include <string_view>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win::forms {

class Container;
class Control;
class Form;

// Gives the focus to the first control declared after this one that can take it.
void FocusAfter(const Control& control);

// Runs an event handler unless it is empty or the program has ended.
void RaiseEvent(const std::function<void()>& handler);

class Control {
public:
    Control(Container& container, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Form& Owner() const;
    Container& Parent() const { return container_; }

    // Position and size in twips, in the container's coordinates.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int twips) { Move(twips, geometry_.top, geometry_.width, geometry_.height); }
    void SetTop(int twips) { Move(geometry_.left, twips, geometry_.width, geometry_.height); }
    void SetWidth(int twips) { Move(geometry_.left, geometry_.top, twips, geometry_.height); }
    void SetHeight(int twips) { Move(geometry_.left, geometry_.top, geometry_.width, twips); }
    void Move(int left, int top, int width, int height);

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    int TabIndex() const;
    void SetTabIndex(int index);
    bool TabStop() const;
    void SetTabStop(bool tabStop);

    // The control's own window; null for a windowless control.
    virtual HWND hWnd() const;

    // The pixel rectangle in the container's client area.
    RECT PixelRect() const;

protected:
    friend class Container;
    friend class Form;

    struct Geometry {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        bool visible = true;
        bool enabled = true;
        int tabIndex = 0;
        bool tabStop = true;
    };

    // Design defaults again: the form is about to be loaded.
    void ResetBase();
    virtual void ResetProperties() = 0;
    // Windowed controls make their window here, after the design has been applied.
    virtual void CreateControlWindow(HWND parent, int id) {
        (void)parent;
        (void)id;
    }
    // The form's window is about to go: forget windows and timers.
    virtual void ReleaseControlWindow() {}
    virtual bool IsWindowless() const { return true; }
    // Only visible windowless controls are painted, in order, by their container.
    virtual void PaintWindowless(HDC dc) { (void)dc; }
    virtual bool HitTest(POINT point) const;
    virtual void OnWindowlessClick() {}
    virtual void OnCommand(WORD code) { (void)code; }
    virtual void OnTimerMessage() {}
    // The position or visibility changed.
    virtual void OnGeometryChanged();
    virtual bool CanTakeFocus() const { return false; }
    // The letter after "&" in its caption, upper case; 0 for none.
    virtual char AccessKey() const { return 0; }
    // Whether Alt with `key` (upper case for letters) is meant for this control.
    virtual bool MatchesAccessKey(char key) const { return AccessKey() != 0 && AccessKey() == key; }
    // Alt with the access key: a button clicks, a label passes the focus on.
    virtual void OnAccessKey(char key) { (void)key; }
    // Enter on the form's default button ('\r'), Escape on its cancel button (0x1B).
    virtual void OnDefaultKey(char key) { (void)key; }
    // A control that handles Enter itself while it has the focus.
    virtual bool OwnsEnterKey() const { return false; }
    // One of the form's ambient properties changed; `name` is the property's.
    virtual void OnAmbientChanged(std::string_view name) { (void)name; }
    // The form, a container or the control itself was shown or hidden.
    virtual void OnVisibilityChanged() {}
    // The form is being saved: a control with stored properties writes them into its store.
    virtual void WriteStoredProperties() {}

    // Loads the form unless it is loaded or loading.
    void Touch() const;
    bool HasWindowAvailable() const;
    // Asks the container to repaint the control's area.
    void InvalidateArea() const;
    HWND ContainerWindow() const;

    Geometry geometry_;
    int id_ = 0;

private:
    Container& container_;
    std::string name_;
};

}  // namespace win::forms
