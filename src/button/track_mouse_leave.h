#pragma once

// The one-time notice of the cursor leaving a window, through whichever tracking function the
// system offers.
//
// At load in run mode the button takes ProbeLeaveTracking() (its Available() is the button's
// trackLeaveAvailable); its mouse-move handling then calls TrackMouseLeave(control window) each
// time the cursor is over the button. The notice arrives as WM_MOUSELEAVE (0x2A3) through the
// message hook.

#include "platform/user/mouse_tracking.h"
#include "platform/user/user_types.h"

namespace quellan {

class LeaveTracking {
public:
    using TrackFunction = bool (*)(win::TRACKMOUSEEVENT*);

    LeaveTracking() = default;
    explicit LeaveTracking(TrackFunction track) : track_(track) {}

    bool Available() const { return track_ != nullptr; }
    TrackFunction Function() const { return track_; }

private:
    TrackFunction track_ = nullptr;
};

// "TrackMouseEvent" of "User32"; where it is missing, "_TrackMouseEvent" of "ComCtl32"; else none.
LeaveTracking ProbeLeaveTracking();

// Asks for one leave notice on the window; without a tracking function nothing happens.
void TrackMouseLeave(win::HWND window, const LeaveTracking& tracking);

}  // namespace quellan
