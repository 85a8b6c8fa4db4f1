#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <optional>
#include <set>

namespace startup {

using Clock = std::chrono::steady_clock;

// Watches the top-level windows of the X display in $DISPLAY: when one is mapped, and when
// anything is first drawn into it (through the DAMAGE extension). Construct it before starting
// the program, so no event is missed.
class WindowWatch {
public:
    // Throws std::runtime_error without a display or without DAMAGE.
    WindowWatch();
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // Waits for a top-level window of the given process to be mapped; returns when the mapping
    // was seen, or nothing at the deadline.
    std::optional<Clock::time_point> waitForMap(pid_t pid, Clock::time_point deadline);
    // Waits for the first drawing into the window waitForMap() found.
    std::optional<Clock::time_point> waitForPaint(Clock::time_point deadline);

private:
    // The next event, or null at the deadline. The caller frees it.
    xcb_generic_event_t* nextEvent(Clock::time_point deadline);
    void trackDrawing(xcb_window_t window);
    bool belongsTo(xcb_window_t window, pid_t pid);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = 0;
    std::uint8_t damageNotify_ = 0;
    // Windows whose drawing is tracked, and those already drawn into.
    std::set<xcb_window_t> tracked_;
    std::set<xcb_window_t> drawn_;
    xcb_window_t mapped_ = 0;
};

}  // namespace startup
