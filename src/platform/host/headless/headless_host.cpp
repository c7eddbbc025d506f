#include "platform/host/headless/headless_host.h"

#include <algorithm>
#include <utility>

namespace win::host {

HeadlessHost::HeadlessHost() = default;

void HeadlessHost::SetScreen(Size size, Rect workArea) {
    screen_ = size;
    workArea_ = workArea;
}

void HeadlessHost::SetLoopStep(std::function<void()> step) {
    loopStep_ = std::move(step);
}

// ---- native windows -------------------------------------------------------------------------

WindowId HeadlessHost::CreateNativeWindow(const WindowSpec& request) {
    const WindowId id{nextWindow_++};
    created_.push_back({id, request});
    headless::HeadlessWindow window;
    window.id = id;
    window.request = request;
    window.request.content = {};
    window.ResizeContent(request.content);
    windows_.emplace(id, std::move(window));
    using Band = headless::WindowStack::Band;
    stack_.Add(id, request.kind == WindowKind::Popup ? Band::Popup
                   : request.topmost                 ? Band::Topmost
                                                     : Band::Normal);
    return id;
}

void HeadlessHost::DestroyNativeWindow(WindowId window) {
    if (windows_.erase(window) == 0) {
        return;
    }
    stack_.Remove(window);
    std::erase_if(webViews_, [&](const auto& entry) { return entry.second.window == window; });
    for (WindowId* reference : {&active_, &hovered_, &grab_, &pressTarget_}) {
        if (*reference == window) {
            *reference = WindowId::None;
        }
    }
}

void HeadlessHost::SetContentRect(WindowId window, Rect content) {
    if (headless::HeadlessWindow* found = Find(window)) {
        found->ResizeContent(content);
    }
}

void HeadlessHost::SetTitle(WindowId window, std::string_view title) {
    if (headless::HeadlessWindow* found = Find(window)) {
        found->request.title = std::string(title);
    }
}

void HeadlessHost::SetTopmost(WindowId window, bool topmost) {
    headless::HeadlessWindow* found = Find(window);
    if (found == nullptr || found->request.kind == WindowKind::Popup) {
        return;
    }
    found->request.topmost = topmost;
    using Band = headless::WindowStack::Band;
    stack_.MoveToBand(window, topmost ? Band::Topmost : Band::Normal);
}

void HeadlessHost::SetSkipTaskbar(WindowId window, bool skip) {
    if (headless::HeadlessWindow* found = Find(window)) {
        found->request.skipTaskbar = skip;
    }
}

void HeadlessHost::SetIcon(WindowId window, PixelView icon) {
    headless::HeadlessWindow* found = Find(window);
    if (found == nullptr || icon.pixels == nullptr || icon.width <= 0 || icon.height <= 0) {
        return;
    }
    found->iconSize = {icon.width, icon.height};
    found->icon.clear();
    for (int y = 0; y < icon.height; ++y) {
        const std::uint32_t* row = icon.pixels + static_cast<std::ptrdiff_t>(y) * icon.stride;
        found->icon.insert(found->icon.end(), row, row + icon.width);
    }
}

void HeadlessHost::SetShape(WindowId window, std::span<const Span> spans) {
    if (headless::HeadlessWindow* found = Find(window)) {
        found->shape = std::vector<Span>(spans.begin(), spans.end());
    }
}

void HeadlessHost::ClearShape(WindowId window) {
    if (headless::HeadlessWindow* found = Find(window)) {
        found->shape.reset();
    }
}

void HeadlessHost::Present(WindowId window, PixelView pixels, Rect dirty) {
    if (headless::HeadlessWindow* found = Find(window)) {
        found->CopyPresented(pixels, dirty);
        ++found->presentCount;
        found->lastDirty = dirty;
    }
}

void HeadlessHost::SetCursorShape(WindowId window, CursorShape shape) {
    if (headless::HeadlessWindow* found = Find(window)) {
        found->cursor = shape;
    }
}

void HeadlessHost::SetActive(WindowId window) {
    if (active_ == window) {
        return;
    }
    const WindowId previous = active_;
    active_ = window;
    if (previous != WindowId::None) {
        Queue([previous](EventSink& sink) { sink.OnActivationChanged(previous, false); });
    }
    if (window != WindowId::None) {
        stack_.Raise(window);
        Queue([window](EventSink& sink) { sink.OnActivationChanged(window, true); });
    }
}

void HeadlessHost::Show(WindowId window, bool activate) {
    headless::HeadlessWindow* found = Find(window);
    if (found == nullptr) {
        return;
    }
    found->visible = true;
    if (activate && !found->minimized && found->request.kind == WindowKind::TopLevel) {
        SetActive(window);
    }
}

void HeadlessHost::Hide(WindowId window) {
    headless::HeadlessWindow* found = Find(window);
    if (found == nullptr || !found->visible) {
        return;
    }
    found->visible = false;
    if (hovered_ == window) {
        QueueMouse(window, MouseAction::Leave, MouseButton::None);
        hovered_ = WindowId::None;
    }
    if (active_ == window) {
        SetActive(WindowId::None);
    }
    if (grab_ == window) {
        grab_ = WindowId::None;
    }
}

void HeadlessHost::Activate(WindowId window) {
    const headless::HeadlessWindow* found = Find(window);
    if (found != nullptr && found->OnScreen() && found->request.kind == WindowKind::TopLevel) {
        SetActive(window);
    }
}

void HeadlessHost::Raise(WindowId window) {
    stack_.Raise(window);
}

void HeadlessHost::SetMinimized(WindowId window, bool minimized) {
    headless::HeadlessWindow* found = Find(window);
    if (found == nullptr || found->minimized == minimized) {
        return;
    }
    found->minimized = minimized;
    if (!minimized) {
        return;
    }
    if (hovered_ == window) {
        QueueMouse(window, MouseAction::Leave, MouseButton::None);
        hovered_ = WindowId::None;
    }
    if (active_ == window) {
        SetActive(WindowId::None);
    }
}

void HeadlessHost::GrabPointer(WindowId popup) {
    if (windows_.contains(popup)) {
        grab_ = popup;
    }
}

void HeadlessHost::ReleasePointer(WindowId popup) {
    if (grab_ == popup) {
        grab_ = WindowId::None;
        UpdateHover();
    }
}

}  // namespace win::host
