#include "platform/host/qt/event_queue.h"

#include <utility>

namespace win::host::desktop {

void EventQueue::Deliver(EventSink* sink) {
    while (!events_.empty()) {
        Event event = std::move(events_.front());
        events_.pop_front();
        if (sink != nullptr) {
            event(*sink);
        }
    }
}

}  // namespace win::host::desktop
