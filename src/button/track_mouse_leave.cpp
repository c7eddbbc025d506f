#include "button/track_mouse_leave.h"

#include "button/theme_in_use.h"
#include "platform/user/module_exports.h"

namespace quellan {

using namespace win;

namespace {

LeaveTracking::TrackFunction LookUp(std::string_view function, std::string_view library) {
    if (!IsFunctionExported(function, library)) {
        return nullptr;
    }
    // The comctl32 stand-in is not resident: keep it loaded while its entry point is in use,
    // as a process would once it has linked against it.
    HMODULE module = GetModuleHandle(library);
    if (!module) {
        module = LoadLibrary(library);
    }
    return reinterpret_cast<LeaveTracking::TrackFunction>(GetProcAddress(module, function));
}

}  // namespace

LeaveTracking ProbeLeaveTracking() {
    if (const auto track = LookUp("TrackMouseEvent", "User32")) {
        return LeaveTracking(track);
    }
    return LeaveTracking(LookUp("_TrackMouseEvent", "ComCtl32"));
}

void TrackMouseLeave(HWND window, const LeaveTracking& tracking) {
    if (!tracking.Available()) {
        return;
    }
    TRACKMOUSEEVENT request;
    request.cbSize = sizeof(TRACKMOUSEEVENT);
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = window;
    request.dwHoverTime = 0;
    tracking.Function()(&request);
}

}  // namespace quellan
