#include "platform/user/session.h"

#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/user/host_bridge.h"
#include "platform/user/surface.h"

namespace win::user {

namespace {

// Timers due this close together fire in one wake-up, the later ones a little late.
constexpr std::int64_t kTimerCoalescingMilliseconds = 4;

// The attached session, and between sessions the handle sequence the next one continues.
struct Attachment {
    std::unique_ptr<Session> session;
    HandleSequence sequence;
};

Attachment& Slot() {
    static Attachment attachment;
    return attachment;
}

}  // namespace

Session::Session(host::Host& host) : host_(host), bridge_(std::make_unique<HostBridge>(*this)) {
    host_.SetEventSink(bridge_.get());
}

Session::~Session() {
    for (const auto& [value, record] : dcs) {
        DeleteDC(HDC::FromValue(value));
    }
    for (const auto& [handle, window] : windows_) {
        DeleteObject(window->region);
        DeleteObject(window->updateRegion);
        window->surface.reset();
    }
    host_.SetEventSink(nullptr);
}

Window* Session::Get(HWND handle) const {
    auto found = windows_.find(handle);
    if (found == windows_.end() || found->second->destroyed) {
        return nullptr;
    }
    return found->second.get();
}

std::shared_ptr<Window> Session::Hold(HWND handle) const {
    auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : found->second;
}

void Session::Add(std::shared_ptr<Window> window) {
    const HWND handle = window->handle;
    windows_.emplace(handle, std::move(window));
}

void Session::Remove(HWND handle) {
    windows_.erase(handle);
}

std::vector<HWND> Session::AllWindows() const {
    std::vector<HWND> handles;
    handles.reserve(windows_.size());
    for (const auto& [handle, window] : windows_) {
        if (!window->destroyed) {
            handles.push_back(handle);
        }
    }
    return handles;
}

WindowSlots* SlotsOf(HWND window) {
    Session* session = Current();
    Window* record = session ? session->Get(window) : nullptr;
    return record ? &record->slots : nullptr;
}

HWND Session::FindByNative(host::WindowId native) const {
    auto found = byNative_.find(native);
    return found == byNative_.end() ? HWND{} : found->second;
}

void Session::UpdateWakeUp() {
    std::optional<std::int64_t> next = timers.NextWakeUp(kTimerCoalescingMilliseconds);
    for (const InputState::HoverRequest& hover : input.hoverTracked) {
        next = next ? std::min(*next, hover.due) : hover.due;
    }
    host_.SetWakeUp(next);
}

Session* Current() {
    return Slot().session.get();
}

void SetCurrent(std::unique_ptr<Session> session) {
    Attachment& attachment = Slot();
    if (attachment.session) {
        attachment.sequence = attachment.session->sequence;
    }
    // The old session goes first, so only one is ever the host's sink.
    attachment.session.reset();
    if (session) {
        session->sequence = attachment.sequence;
        session->sequence.StartSession();
    }
    attachment.session = std::move(session);
}

HWND NewWindowHandle() {
    return Slot().session->sequence.NextWindow();
}

}  // namespace win::user
