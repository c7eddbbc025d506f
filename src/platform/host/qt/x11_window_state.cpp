#include "platform/host/qt/x11_window_state.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace win::host::desktop {

namespace {

constexpr std::uint32_t kNetWmStateRemove = 0;
constexpr std::uint32_t kNetWmStateAdd = 1;
constexpr std::uint32_t kSourceApplication = 1;

// The Motif window-manager hints: which fields count, the functions and the decorations.
constexpr std::uint32_t kMwmHintsFunctions = 1;
constexpr std::uint32_t kMwmHintsDecorations = 2;
constexpr std::uint32_t kMwmFunctionMove = 4;
constexpr std::uint32_t kMwmFunctionClose = 32;
constexpr std::uint32_t kMwmDecorBorder = 2;
constexpr std::uint32_t kMwmDecorTitle = 8;
constexpr std::uint32_t kMwmDecorMenu = 16;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t InternAtom(xcb_connection_t* connection, std::string_view name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<xcb_atom_t> ReadAtoms(xcb_connection_t* connection, xcb_window_t window,
                                  xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024),
        nullptr));
    if (!reply || reply->format != 32 || reply->type != XCB_ATOM_ATOM) {
        return {};
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    return std::vector<xcb_atom_t>(atoms, atoms + xcb_get_property_value_length(reply.get()) / 4);
}

void WriteState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmState,
                xcb_atom_t state, bool on) {
    std::vector<xcb_atom_t> atoms = ReadAtoms(connection, window, netWmState);
    std::erase(atoms, state);
    if (on) {
        atoms.push_back(state);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netWmState, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
}

void AskWindowManager(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmState,
                      xcb_atom_t state, bool on) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = netWmState;
    message.data.data32[0] = on ? kNetWmStateAdd : kNetWmStateRemove;
    message.data.data32[1] = state;
    message.data.data32[3] = kSourceApplication;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp == nullptr ? nullptr
                                   : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 == nullptr ? nullptr : x11->connection();
}

}  // namespace

bool SetCloseBoxOnly(QWindow& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return false;
    }
    const xcb_atom_t hints = InternAtom(connection, "_MOTIF_WM_HINTS");
    if (hints == XCB_ATOM_NONE) {
        return false;
    }
    const std::uint32_t value[5] = {kMwmHintsFunctions | kMwmHintsDecorations,
                                    kMwmFunctionMove | kMwmFunctionClose,
                                    kMwmDecorBorder | kMwmDecorTitle | kMwmDecorMenu, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), hints, hints, 32, 5, value);
    xcb_flush(connection);
    return true;
}

bool SetNetWmState(QWindow& window, std::string_view stateAtom, bool on) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return false;
    }
    const auto handle = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t netWmState = InternAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t state = InternAtom(connection, stateAtom);
    if (netWmState == XCB_ATOM_NONE || state == XCB_ATOM_NONE) {
        return false;
    }
    // The window manager owns the property of a window it manages; before that it reads the
    // property when the window is mapped.
    if (window.isVisible()) {
        AskWindowManager(connection, handle, netWmState, state, on);
    } else {
        WriteState(connection, handle, netWmState, state, on);
    }
    xcb_flush(connection);
    return true;
}

}  // namespace win::host::desktop
