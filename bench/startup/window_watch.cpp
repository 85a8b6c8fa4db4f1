#include "window_watch.h"

#include <poll.h>
#include <xcb/damage.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace startup {

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name) {
    const auto reply = owned(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

WindowWatch::WindowWatch() {
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot open the X display in DISPLAY");
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    root_ = screens.data->root;

    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present) {
        xcb_disconnect(connection_);
        throw std::runtime_error("the X server has no DAMAGE extension");
    }
    damageNotify_ = static_cast<std::uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY);
    // The server ignores DAMAGE requests from a client that has not agreed on a version.
    owned(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                         nullptr));
    pidAtom_ = internAtom(connection_, "_NET_WM_PID");

    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const auto error =
        owned(xcb_request_check(connection_, xcb_change_window_attributes_checked(
                                                 connection_, root_, XCB_CW_EVENT_MASK, &events)));
    if (error) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot watch the root window");
    }
}

WindowWatch::~WindowWatch() { xcb_disconnect(connection_); }

std::optional<Clock::time_point> WindowWatch::waitForMap(pid_t pid, Clock::time_point deadline) {
    while (xcb_generic_event_t* raw = nextEvent(deadline)) {
        const auto event = owned(raw);
        const Clock::time_point seen = Clock::now();
        const std::uint8_t type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            // Tracked from creation, so a drawing right after the mapping cannot slip by.
            trackDrawing(reinterpret_cast<xcb_create_notify_event_t*>(event.get())->window);
        } else if (type == damageNotify_) {
            drawn_.insert(reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->drawable);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (!map->override_redirect && belongsTo(map->window, pid)) {
                mapped_ = map->window;
                return seen;
            }
        }
    }
    return std::nullopt;
}

std::optional<Clock::time_point> WindowWatch::waitForPaint(Clock::time_point deadline) {
    if (mapped_ == 0) {
        return std::nullopt;
    }
    if (drawn_.contains(mapped_)) {
        return Clock::now();
    }
    while (xcb_generic_event_t* raw = nextEvent(deadline)) {
        const auto event = owned(raw);
        const Clock::time_point seen = Clock::now();
        if ((event->response_type & 0x7F) == damageNotify_ &&
            reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->drawable == mapped_) {
            return seen;
        }
    }
    return std::nullopt;
}

xcb_generic_event_t* WindowWatch::nextEvent(Clock::time_point deadline) {
    pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
    for (;;) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            return event;
        }
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || xcb_connection_has_error(connection_) ||
            poll(&readable, 1, static_cast<int>(left)) <= 0) {
            return nullptr;
        }
    }
}

void WindowWatch::trackDrawing(xcb_window_t window) {
    if (tracked_.insert(window).second) {
        xcb_damage_create(connection_, xcb_generate_id(connection_), window,
                          XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(connection_);
    }
}

bool WindowWatch::belongsTo(xcb_window_t window, pid_t pid) {
    const auto reply = owned(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(std::uint32_t)) {
        return false;
    }
    std::uint32_t owner = 0;
    std::memcpy(&owner, xcb_get_property_value(reply.get()), sizeof owner);
    return static_cast<pid_t>(owner) == pid;
}

}  // namespace startup
