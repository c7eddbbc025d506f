#pragma once

#include <deque>
#include <functional>

#include "platform/host/host.h"

namespace win::host::desktop {

// Qt delivers some events synchronously (a show, a resize); the sink may only be called from
// inside the loop calls, so everything waits here until the loop delivers it.
class EventQueue {
public:
    using Event = std::function<void(EventSink&)>;

    void Push(Event event) { events_.push_back(std::move(event)); }
    bool Empty() const { return events_.empty(); }
    // Delivers in order, including events pushed while delivering. Without a sink they are
    // dropped.
    void Deliver(EventSink* sink);

private:
    std::deque<Event> events_;
};

}  // namespace win::host::desktop
