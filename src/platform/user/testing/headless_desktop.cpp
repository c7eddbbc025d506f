#include "platform/user/testing/headless_desktop.h"

#include "platform/user/desktop.h"
#include "platform/user/messaging.h"
#include "platform/user/session.h"
#include "platform/user/surface.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_tree.h"

namespace win::testing {

HeadlessDesktop::HeadlessDesktop() {
    AttachHost(host_);
    host_.SetLoopStep([] { ProcessPendingMessages(); });
}

HeadlessDesktop::~HeadlessDesktop() {
    host_.SetLoopStep(nullptr);
    DetachHost();
}

void HeadlessDesktop::Pump() {
    ProcessPendingMessages();
}

void HeadlessDesktop::After(std::int64_t milliseconds, std::function<void()> step) {
    host_.At(host_.NowMilliseconds() + milliseconds, std::move(step));
}

void HeadlessDesktop::TapKey(int virtualKey) {
    host_.KeyDown(virtualKey);
    host_.KeyUp(virtualKey);
}

HWND HeadlessDesktop::OpenMenu() {
    return FindWindow("#32768", "");
}

RECT HeadlessDesktop::OpenMenuRect() {
    RECT rect{};
    GetWindowRect(OpenMenu(), &rect);
    return rect;
}

host::WindowId HeadlessDesktop::NativeOf(HWND topLevel) const {
    user::Session* session = user::Current();
    const user::Window* window = session ? session->Get(topLevel) : nullptr;
    return window && window->surface ? window->surface->Native() : host::WindowId::None;
}

std::uint32_t HeadlessDesktop::PresentedPixel(HWND topLevel, int x, int y) const {
    const auto* window = host_.FindWindow(NativeOf(topLevel));
    return window ? window->PixelAt(x, y) : 0;
}

bool HeadlessDesktop::SavePng(HWND topLevel, const std::filesystem::path& path) const {
    return host_.SaveWindowPng(NativeOf(topLevel), path);
}

}  // namespace win::testing
