#pragma once

#include <optional>

#include "design/scaling.h"

// The keys of the whole window, wherever the keyboard is: they make the design larger or smaller
// for a projector, and the window full screen. A front-end translates its key presses into
// KeyPress and hands them to takeWindowKey(), which carries out the action on the window; a key it
// takes is kept from the focused control: Ctrl+Plus in the transcript zooms and types nothing.
namespace presenter {

enum class Key {
    Plus,   // on the main keyboard or the keypad
    Equal,  // the key of plus without Shift, as browsers take it
    Minus,  // on the main keyboard or the keypad
    Zero,   // on the main keyboard or the keypad
    F11,
    Escape,
    Other,
};

struct KeyPress {
    Key key = Key::Other;
    bool control = false;
    bool alt = false;
    // The key is held down and the press is the keyboard's repeat.
    bool autoRepeat = false;
};

struct WindowKeyAction {
    enum class Kind {
        Zoom,              // a zoom step (zoomKey): Ctrl+Plus, Ctrl+Minus, Ctrl+0
        ToggleFullScreen,  // F11, on and off
        LeaveFullScreen,   // Esc, in full screen only: elsewhere it stays the controls'
        Ignore,            // F11 repeating while held, which would flicker full screen on and off
    };
    Kind kind = Kind::Ignore;
    design::ZoomKey zoomKey = design::ZoomKey::Reset;

    friend bool operator==(const WindowKeyAction&, const WindowKeyAction&) = default;
};

// What a key press does to the window, or nothing when it is not one of the window's and belongs
// to the focused control. Alt rules a key out: Ctrl+Alt is AltGr on many layouts, which types
// characters. Shift changes nothing.
std::optional<WindowKeyAction> windowKeyAction(const KeyPress& press, bool fullScreen);

// What a window does for its keys, in its toolkit.
class KeyedWindow {
public:
    virtual ~KeyedWindow() = default;

    virtual void zoom(design::ZoomKey key) = 0;
    virtual void toggleFullScreen() = 0;
    virtual void leaveFullScreen() = 0;
};

// Carries out on the window what a key press does to it (windowKeyAction). True when the press was
// one of the window's keys, a repeat of F11 included, which then must not reach the focused
// control.
bool takeWindowKey(const KeyPress& press, bool fullScreen, KeyedWindow& window);

}  // namespace presenter
