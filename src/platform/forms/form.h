#pragma once

// A form: a top-level window whose controls are members of the form's class. The form object
// lives for the whole program; its window and its controls' windows exist only while it is
// loaded. Each load applies the design afresh (Design), creates the windows and raises Load.
//
//     class frmAbout : public Form {
//         Label lblTitle{*this, "lblTitle"};
//         void Design() override { Caption("..."); lblTitle.Move(...); }
//     };

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/container.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/std_font.h"
#include "platform/forms/std_picture.h"
#include "platform/gdi/sys_color.h"
#include "platform/user/user_types.h"

namespace win::forms {

class Control;
class Menu;

enum class FormBorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3 };
enum class StartUpPosition { Manual = 0, CenterOwner = 1, CenterScreen = 2, WindowsDefault = 3 };

// WindowState values.
inline constexpr int vbNormal = 0;
inline constexpr int vbMinimized = 1;
inline constexpr int vbMaximized = 2;

// The colour to draw with: a system-colour reference becomes its current RGB value.
COLORREF TranslateColor(OLE_COLOR colour);

class Form : public Container {
public:
    explicit Form(std::string name);
    ~Form() override;

    const std::string& Name() const { return name_; }

    // ---- lifetime
    enum class State { Unloaded, Loading, Loaded };
    State LoadState() const { return state_; }
    bool IsLoaded() const { return state_ != State::Unloaded; }
    // Loads the form, hidden, unless it is loaded.
    void Load();
    // Loads it if need be, then makes it visible and active: modeless, without an owner. A
    // minimised form is brought back: a window without a taskbar entry has nowhere else to be
    // brought back from.
    void Show();
    void Hide();
    // vbMinimized while the window is minimised (by the program or by the desktop), otherwise
    // vbNormal. Setting vbMinimized minimises a shown form (a hidden one stays as it is);
    // vbNormal brings a shown one back. Maximising is not supported and leaves the form as it is.
    int WindowState() const;
    void SetWindowState(int state);
    // Raises Unload, then destroys the window and its controls; the form object stays.
    void Unload();
    bool Visible() const;

    // ---- properties (design values are set in Design and come back at every load)
    std::string Caption() const;
    void SetCaption(std::string caption);
    FormBorderStyle BorderStyle() const { return props_.borderStyle; }
    void SetBorderStyle(FormBorderStyle style) { props_.borderStyle = style; }
    bool ControlBox() const { return props_.controlBox; }
    void SetControlBox(bool box) { props_.controlBox = box; }
    bool MinButton() const { return props_.minButton; }
    void SetMinButton(bool button) { props_.minButton = button; }
    bool MaxButton() const { return props_.maxButton; }
    void SetMaxButton(bool button) { props_.maxButton = button; }
    bool ShowInTaskbar() const { return props_.showInTaskbar; }
    void SetShowInTaskbar(bool show) { props_.showInTaskbar = show; }
    StartUpPosition StartUp() const { return props_.startUp; }
    void SetStartUpPosition(StartUpPosition position) { props_.startUp = position; }

    // Client area in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;
    void SetClientSize(int widthTwips, int heightTwips);
    // The window's outer rectangle in twips, screen coordinates.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int left, int top);

    OLE_COLOR BackColor() const;
    void SetBackColor(OLE_COLOR colour);
    // Drawn at the client area's top-left corner at its own size, under the labels.
    const PictureRef& Picture() const;
    void SetPicture(PictureRef picture);
    // The window's icon, large and small alike; the desktop shows it in the title bar and the
    // task list. The form keeps the picture alive for its window.
    const PictureRef& Icon() const { return props_.icon; }
    void SetIcon(PictureRef icon);
    // The font the form's user controls see as their ambient font; a change of the object or
    // of its attributes is an ambient change.
    const FontRef& Font() const;
    void SetFont(FontRef font);

    // Enter and Escape press these while the form has the focus.
    void SetDefaultButton(Control* button);
    void SetCancelButton(Control* button) { props_.cancelButton = button; }
    Control* DefaultButton() const { return props_.defaultButton; }
    Control* CancelButton() const { return props_.cancelButton; }

    // ---- user controls
    // A form opened for designing: its user controls see UserMode false. Not reset by a load.
    bool DesignMode() const { return designMode_; }
    void SetDesignMode(bool designMode);
    // The stored design-time properties of the control named so: the form's own data, kept
    // across loads. A control with no store yet is a new instance.
    PropertyBag& PropertyStore(std::string_view controlName);
    bool HasPropertyStore(std::string_view controlName) const;
    // Writes every user control's properties into its store.
    void SaveProperties();
    // A user control reported a changed property since the last save.
    bool HasUnsavedProperties() const { return !changedProperties_.empty(); }
    // What the controls reported since the last save, as "control.property", in order: what a
    // form designer would mark as changed.
    const std::vector<std::string>& ChangedProperties() const { return changedProperties_; }
    void MarkPropertyChanged(std::string_view controlName, std::string_view propertyName);
    // Tells every control that an ambient property changed.
    void NotifyAmbientChanged(std::string_view name);
    // Tells every control that something was shown or hidden.
    void NotifyVisibilityChanged();

    // Loads the form if need be.
    HWND hWnd();
    HWND ContainerHwnd() const override { return hwnd_; }
    Form& OwnerForm() override { return *this; }

    // Opens the menu's items as a pop-up at the cursor, or at (x, y) in twips in the client
    // area; loads the form first if need be. Returns when it closes, after the chosen item's
    // Click. Flags as TrackPopupMenu's (alignment, the button that chooses).
    void PopupMenu(Menu& menu, UINT flags = 0);
    void PopupMenu(Menu& menu, UINT flags, int x, int y);

    // Every control on the form, those inside frames included, in declaration order.
    std::vector<Control*> AllControls() const;

    // ---- keyboard
    // Gives the focus to the next (or previous) control in tab order after the focused one.
    void MoveFocus(bool backwards);
    // The controls that take the focus, in tab order.
    std::vector<Control*> TabOrder() const;
    // Tab, Shift+Tab, Enter (default button), Escape (cancel button) and Alt+access key;
    // true when the key was the form's. `from` is the control that has the focus.
    bool HandleFormKey(int virtualKey, bool alt, Control* from);

    // Gone without a word: the program ends.
    void DiscardWindow();

protected:
    // Sets the design-time properties of the form and its controls.
    virtual void Design() {}
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

private:
    friend class Control;
    friend struct FormWindowAccess;

    struct Properties {
        std::string caption;
        FormBorderStyle borderStyle = FormBorderStyle::Sizable;
        bool controlBox = true;
        bool minButton = true;
        bool maxButton = true;
        bool showInTaskbar = true;
        StartUpPosition startUp = StartUpPosition::WindowsDefault;
        int clientWidth = 4800;
        int clientHeight = 3600;
        int left = 0;
        int top = 0;
        bool positioned = false;
        OLE_COLOR backColor = vbButtonFace;
        PictureRef picture;
        PictureRef icon;
        FontRef font;
        Control* defaultButton = nullptr;
        Control* cancelButton = nullptr;
    };

    void EnsureLoaded();
    void CreateFormWindow();
    void PlaceWindow();
    void AssignIdsAndCreate(Container& container, HWND parent, int& nextId);
    void ReleaseControls();
    Control* ControlById(int id) const;
    void ResetFont();
    void SendIcon();

    LRESULT Procedure(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    std::string name_;
    State state_ = State::Unloaded;
    Properties props_;
    FontSubscription fontSubscription_;
    HWND hwnd_;
    bool designMode_ = false;
    std::vector<std::string> changedProperties_;
    std::map<std::string, PropertyBag, std::less<>> propertyStores_;
};

}  // namespace win::forms
