#include "platform/host/headless/headless_host.h"

#include "platform/gdi/png/png_codec.h"
#include "platform/host/virtual_keys.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace win::host {

namespace {

// A loop step that keeps setting a wake-up that is already due would spin for ever.
constexpr int kMaxStepsAtOneInstant = 100000;

void UpdateModifiers(Modifiers& modifiers, int virtualKey, bool down) {
    switch (virtualKey) {
        case VK_SHIFT:
        case VK_LSHIFT:
        case VK_RSHIFT:
            modifiers.shift = down;
            break;
        case VK_CONTROL:
        case VK_LCONTROL:
        case VK_RCONTROL:
            modifiers.control = down;
            break;
        case VK_MENU:
        case VK_LMENU:
        case VK_RMENU:
            modifiers.alt = down;
            break;
        default:
            break;
    }
}

bool AnyHeld(const MouseButtons& buttons) {
    return buttons.left || buttons.right || buttons.middle || buttons.x1 || buttons.x2;
}

}  // namespace

HeadlessHost::HeadlessHost() = default;

void HeadlessHost::SetScreen(Size size, Rect workArea) {
    screen_ = size;
    workArea_ = workArea;
}

void HeadlessHost::SetLoopStep(std::function<void()> step) {
    loopStep_ = std::move(step);
}

// ---- time -----------------------------------------------------------------------------------

bool HeadlessHost::StepClockTo(std::optional<std::int64_t> limit) {
    const std::optional<std::int64_t> next = clock_.NextDue();
    if (!next || (limit && *next > *limit)) {
        return false;
    }
    clock_.MoveTo(*next);
    {
        // Input injected by a scheduled action is only queued; whoever moved the clock delivers.
        const bool outer = insideAction_;
        insideAction_ = true;
        clock_.RunDueActions();
        insideAction_ = outer;
    }
    if (clock_.TakeDueWakeUp()) {
        Queue([](EventSink& sink) { sink.OnWakeUp(); });
    }
    return true;
}

void HeadlessHost::Advance(std::int64_t milliseconds) {
    const std::int64_t target = clock_.Now() + std::max<std::int64_t>(milliseconds, 0);
    std::int64_t instant = clock_.Now();
    int stepsAtInstant = 0;
    while (StepClockTo(target)) {
        RunLoopStep();
        if (clock_.Now() != instant) {
            instant = clock_.Now();
            stepsAtInstant = 0;
        } else if (++stepsAtInstant > kMaxStepsAtOneInstant) {
            throw std::logic_error("headless host: the wake-up keeps being due at one instant");
        }
    }
    clock_.MoveTo(target);
    RunLoopStep();
}

void HeadlessHost::At(std::int64_t when, std::function<void()> action) {
    clock_.Schedule(when, std::move(action));
}

void HeadlessHost::ProcessPendingEvents() {
    if (clock_.TakeDueWakeUp()) {
        Queue([](EventSink& sink) { sink.OnWakeUp(); });
    }
    while (!events_.empty()) {
        Event event = std::move(events_.front());
        events_.pop_front();
        if (sink_ != nullptr) {
            event(*sink_);
        }
    }
}

void HeadlessHost::WaitForEvents() {
    const bool wakeUpDue = clock_.WakeUp() && *clock_.WakeUp() <= clock_.Now();
    if (events_.empty() && !wakeUpDue && !StepClockTo(std::nullopt)) {
        throw std::logic_error("headless host: waiting for events with nothing due");
    }
    ProcessPendingEvents();
}

void HeadlessHost::Queue(Event event) {
    events_.push_back(std::move(event));
}

void HeadlessHost::RunLoopStep() {
    if (insideAction_) {
        return;
    }
    if (loopStep_) {
        loopStep_();
    } else {
        ProcessPendingEvents();
    }
}

// ---- input ----------------------------------------------------------------------------------

WindowId HeadlessHost::WindowAt(Point screen) const {
    return stack_.FindFromTop([&](WindowId id) {
        const headless::HeadlessWindow& window = windows_.at(id);
        return window.visible && window.ContainsScreenPoint(screen);
    });
}

WindowId HeadlessHost::MouseTarget() const {
    if (grab_ != WindowId::None) {
        return grab_;
    }
    // While a button is held the pressed window keeps the pointer, as desktops do.
    if (AnyHeld(buttons_) && windows_.contains(pressTarget_)) {
        return pressTarget_;
    }
    return WindowAt(cursor_);
}

void HeadlessHost::QueueMouse(WindowId window, MouseAction action, MouseButton button,
                              int wheelDelta) {
    if (window == WindowId::None) {
        return;
    }
    MouseEvent event{action, cursor_, button, buttons_, modifiers_, wheelDelta};
    Queue([window, event](EventSink& sink) { sink.OnMouse(window, event); });
}

void HeadlessHost::UpdateHover() {
    if (grab_ != WindowId::None || AnyHeld(buttons_)) {
        return;
    }
    const WindowId under = WindowAt(cursor_);
    if (under == hovered_) {
        return;
    }
    QueueMouse(hovered_, MouseAction::Leave, MouseButton::None);
    QueueMouse(under, MouseAction::Enter, MouseButton::None);
    hovered_ = under;
}

void HeadlessHost::SetButton(MouseButton button, bool down) {
    switch (button) {
        case MouseButton::Left:
            buttons_.left = down;
            break;
        case MouseButton::Right:
            buttons_.right = down;
            break;
        case MouseButton::Middle:
            buttons_.middle = down;
            break;
        case MouseButton::X1:
            buttons_.x1 = down;
            break;
        case MouseButton::X2:
            buttons_.x2 = down;
            break;
        case MouseButton::None:
            break;
    }
}

void HeadlessHost::MoveMouse(Point screen) {
    cursor_ = screen;
    UpdateHover();
    QueueMouse(MouseTarget(), MouseAction::Move, MouseButton::None);
    RunLoopStep();
}

void HeadlessHost::PressMouse(MouseButton button) {
    const bool first = !AnyHeld(buttons_);
    const WindowId target = MouseTarget();
    if (first) {
        pressTarget_ = target;
    }
    const headless::HeadlessWindow* window = FindWindow(target);
    if (grab_ == WindowId::None && window != nullptr &&
        window->request.kind == WindowKind::TopLevel) {
        SetActive(target);
    }
    SetButton(button, true);
    QueueMouse(target, MouseAction::Press, button);
    RunLoopStep();
}

void HeadlessHost::ReleaseMouse(MouseButton button) {
    const WindowId target = MouseTarget();
    SetButton(button, false);
    QueueMouse(target, MouseAction::Release, button);
    UpdateHover();
    RunLoopStep();
}

void HeadlessHost::DoubleClickMouse(MouseButton button) {
    const WindowId target = MouseTarget();
    if (!AnyHeld(buttons_)) {
        pressTarget_ = target;
    }
    SetButton(button, true);
    QueueMouse(target, MouseAction::DoubleClick, button);
    RunLoopStep();
}

void HeadlessHost::Click(Point screen, MouseButton button) {
    MoveMouse(screen);
    PressMouse(button);
    ReleaseMouse(button);
}

void HeadlessHost::Wheel(int delta) {
    QueueMouse(MouseTarget(), MouseAction::Wheel, MouseButton::None, delta);
    RunLoopStep();
}

void HeadlessHost::KeyDown(int virtualKey, bool autoRepeat) {
    UpdateModifiers(modifiers_, virtualKey, true);
    const WindowId target = grab_ != WindowId::None ? grab_ : active_;
    if (target != WindowId::None) {
        KeyEvent event{KeyAction::Down, virtualKey, autoRepeat, modifiers_};
        Queue([target, event](EventSink& sink) { sink.OnKey(target, event); });
    }
    RunLoopStep();
}

void HeadlessHost::KeyUp(int virtualKey) {
    UpdateModifiers(modifiers_, virtualKey, false);
    const WindowId target = grab_ != WindowId::None ? grab_ : active_;
    if (target != WindowId::None) {
        KeyEvent event{KeyAction::Up, virtualKey, false, modifiers_};
        Queue([target, event](EventSink& sink) { sink.OnKey(target, event); });
    }
    RunLoopStep();
}

void HeadlessHost::TypeText(std::string_view utf8) {
    const WindowId target = grab_ != WindowId::None ? grab_ : active_;
    if (target != WindowId::None) {
        Queue([target, text = std::string(utf8)](EventSink& sink) { sink.OnText(target, text); });
    }
    RunLoopStep();
}

bool HeadlessHost::TrayInput(TrayAction action, MouseButton button) {
    if (!tray_.shown) {
        return false;
    }
    TrayEvent event{action, button, cursor_};
    Queue([event](EventSink& sink) { sink.OnTrayIcon(event); });
    RunLoopStep();
    return true;
}

void HeadlessHost::RequestClose(WindowId window) {
    if (windows_.contains(window)) {
        Queue([window](EventSink& sink) { sink.OnCloseRequested(window); });
    }
    RunLoopStep();
}

void HeadlessHost::EndSession() {
    Queue([](EventSink& sink) { sink.OnSessionEnding(); });
    RunLoopStep();
}

void HeadlessHost::ChangeSystemColors() {
    Queue([](EventSink& sink) { sink.OnSystemColorsChanged(); });
    RunLoopStep();
}

void HeadlessHost::ChangeTheme() {
    Queue([](EventSink& sink) { sink.OnThemeChanged(); });
    RunLoopStep();
}

void HeadlessHost::ChangeDisplay(Size size, Rect workArea) {
    SetScreen(size, workArea);
    Queue([](EventSink& sink) { sink.OnDisplayChanged(); });
    RunLoopStep();
}

void HeadlessHost::DragWindow(WindowId window, Rect content) {
    if (headless::HeadlessWindow* found = Find(window)) {
        found->ResizeContent(content);
        Queue([window, content](EventSink& sink) { sink.OnGeometryChanged(window, content); });
    }
    RunLoopStep();
}

// ---- inspection -----------------------------------------------------------------------------

const headless::HeadlessWindow* HeadlessHost::FindWindow(WindowId window) const {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

headless::HeadlessWindow* HeadlessHost::Find(WindowId window) {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

std::vector<std::uint32_t> HeadlessHost::Screenshot() const {
    const int width = std::max(screen_.width, 0);
    const int height = std::max(screen_.height, 0);
    std::vector<std::uint32_t> screen(static_cast<std::size_t>(width) * height, 0);
    for (WindowId id : stack_.BottomToTop()) {
        const headless::HeadlessWindow& window = windows_.at(id);
        if (!window.visible) {
            continue;
        }
        const Rect& content = window.request.content;
        for (int y = std::max(content.top, 0); y < std::min(content.bottom, height); ++y) {
            for (int x = std::max(content.left, 0); x < std::min(content.right, width); ++x) {
                if (window.ContainsScreenPoint({x, y})) {
                    screen[static_cast<std::size_t>(y) * width + x] =
                        window.PixelAt(x - content.left, y - content.top);
                }
            }
        }
    }
    return screen;
}

namespace {

bool SavePixels(const std::filesystem::path& path, int width, int height,
                std::vector<std::uint32_t> pixels) {
    win::png::PngImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 24;
    for (std::uint32_t& pixel : pixels) {
        pixel &= 0x00FFFFFF;
    }
    image.pixels = std::move(pixels);
    return win::png::WritePngFile(path, image);
}

}  // namespace

bool HeadlessHost::SaveWindowPng(WindowId window, const std::filesystem::path& path) const {
    const headless::HeadlessWindow* found = FindWindow(window);
    if (found == nullptr) {
        return false;
    }
    const Size size = found->ContentSize();
    return SavePixels(path, size.width, size.height, found->pixels);
}

bool HeadlessHost::SaveScreenshotPng(const std::filesystem::path& path) const {
    return SavePixels(path, screen_.width, screen_.height, Screenshot());
}

const HeadlessHost::WebViewState* HeadlessHost::FindWebView(WebViewId view) const {
    auto found = webViews_.find(view);
    return found == webViews_.end() ? nullptr : &found->second;
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
    if (activate && found->request.kind == WindowKind::TopLevel) {
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
    if (found != nullptr && found->visible && found->request.kind == WindowKind::TopLevel) {
        SetActive(window);
    }
}

void HeadlessHost::Raise(WindowId window) {
    stack_.Raise(window);
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

// ---- services -------------------------------------------------------------------------------

void HeadlessHost::SetTrayIcon(PixelView icon, std::string_view tip) {
    tray_.iconSize = {icon.width, icon.height};
    tray_.tip = std::string(tip);
}

void HeadlessHost::ShowTrayIcon() {
    if (trayAvailable_) {
        tray_.shown = true;
    }
}

std::optional<WebViewId> HeadlessHost::CreateWebView(WindowId window, Rect bounds) {
    if (!webViewsAvailable_ || !windows_.contains(window)) {
        return std::nullopt;
    }
    const WebViewId id{nextWebView_++};
    webViews_.emplace(id, WebViewState{window, bounds, true, {}});
    return id;
}

void HeadlessHost::MoveWebView(WebViewId view, Rect bounds) {
    if (auto found = webViews_.find(view); found != webViews_.end()) {
        found->second.bounds = bounds;
    }
}

void HeadlessHost::SetWebViewVisible(WebViewId view, bool visible) {
    if (auto found = webViews_.find(view); found != webViews_.end()) {
        found->second.visible = visible;
    }
}

void HeadlessHost::Navigate(WebViewId view, std::string_view url) {
    if (auto found = webViews_.find(view); found != webViews_.end()) {
        found->second.navigations.emplace_back(url);
    }
}

bool HeadlessHost::OpenUrl(std::string_view url) {
    openedUrls_.emplace_back(url);
    return servicesSucceed_;
}

bool HeadlessHost::StartDetachedProcess(const std::vector<std::string>& argv,
                                        ProcessWindowHint hint) {
    if (argv.empty()) {
        return false;
    }
    started_.push_back({argv, hint});
    return servicesSucceed_;
}

}  // namespace win::host
