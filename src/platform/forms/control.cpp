#include "platform/forms/control.h"

#include "platform/forms/application.h"
#include "platform/forms/container.h"
#include "platform/forms/form.h"
#include "platform/forms/twips.h"
#include "platform/user/user.h"

namespace win::forms {

void RaiseEvent(const std::function<void()>& handler) {
    if (handler && !App().Ended()) {
        handler();
    }
}

Control::Control(Container& container, std::string name)
    : container_(container), name_(std::move(name)) {
    container_.Add(this);
}

Control::~Control() {
    container_.Remove(this);
}

Form& Control::Owner() const {
    return container_.OwnerForm();
}

void Control::Touch() const {
    Form& form = Owner();
    if (form.LoadState() == Form::State::Unloaded) {
        form.Load();
    }
}

bool Control::HasWindowAvailable() const {
    return static_cast<bool>(ContainerWindow());
}

HWND Control::ContainerWindow() const {
    return container_.ContainerHwnd();
}

void Control::ResetBase() {
    geometry_ = Geometry{};
    id_ = 0;
}

int Control::Left() const {
    Touch();
    return geometry_.left;
}

int Control::Top() const {
    Touch();
    return geometry_.top;
}

int Control::Width() const {
    Touch();
    return geometry_.width;
}

int Control::Height() const {
    Touch();
    return geometry_.height;
}

void Control::Move(int left, int top, int width, int height) {
    Touch();
    InvalidateArea();
    geometry_.left = left;
    geometry_.top = top;
    geometry_.width = std::max(0, width);
    geometry_.height = std::max(0, height);
    OnGeometryChanged();
}

bool Control::Visible() const {
    Touch();
    return geometry_.visible;
}

void Control::SetVisible(bool visible) {
    Touch();
    if (visible != geometry_.visible) {
        InvalidateArea();
        geometry_.visible = visible;
        OnGeometryChanged();
        Owner().NotifyVisibilityChanged();
    }
}

bool Control::Enabled() const {
    Touch();
    return geometry_.enabled;
}

void Control::SetEnabled(bool enabled) {
    Touch();
    geometry_.enabled = enabled;
    if (HWND window = hWnd()) {
        EnableWindow(window, enabled);
    }
}

int Control::TabIndex() const {
    Touch();
    return geometry_.tabIndex;
}

void Control::SetTabIndex(int index) {
    Touch();
    geometry_.tabIndex = index;
}

bool Control::TabStop() const {
    Touch();
    return geometry_.tabStop;
}

void Control::SetTabStop(bool tabStop) {
    Touch();
    geometry_.tabStop = tabStop;
}

HWND Control::hWnd() const {
    return nullptr;
}

RECT Control::PixelRect() const {
    const int left = TwipsToPixels(geometry_.left);
    const int top = TwipsToPixels(geometry_.top);
    return RECT{left, top, left + TwipsToPixels(geometry_.width),
                top + TwipsToPixels(geometry_.height)};
}

bool Control::HitTest(POINT point) const {
    RECT rect = PixelRect();
    return geometry_.visible && point.x >= rect.left && point.x < rect.right &&
           point.y >= rect.top && point.y < rect.bottom;
}

void Control::InvalidateArea() const {
    HWND container = ContainerWindow();
    if (!container) {
        return;
    }
    RECT rect = PixelRect();
    InvalidateRect(container, &rect, true);
}

void Control::OnGeometryChanged() {
    if (HWND window = hWnd()) {
        RECT rect = PixelRect();
        SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window, geometry_.visible ? SW_SHOWNA : SW_HIDE);
    } else {
        InvalidateArea();
    }
}

}  // namespace win::forms
