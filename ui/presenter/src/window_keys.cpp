#include "presenter/window_keys.h"

namespace presenter {

namespace {

using Kind = WindowKeyAction::Kind;

std::optional<WindowKeyAction> withControl(Key key) {
    switch (key) {
        case Key::Plus:
        case Key::Equal:
            return WindowKeyAction{Kind::Zoom, design::ZoomKey::In};
        case Key::Minus:
            return WindowKeyAction{Kind::Zoom, design::ZoomKey::Out};
        case Key::Zero:
            return WindowKeyAction{Kind::Zoom, design::ZoomKey::Reset};
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<WindowKeyAction> windowKeyAction(const KeyPress& press, bool fullScreen) {
    if (press.alt) {
        return std::nullopt;
    }
    if (press.control) {
        return withControl(press.key);
    }
    switch (press.key) {
        case Key::F11:
            return WindowKeyAction{press.autoRepeat ? Kind::Ignore : Kind::ToggleFullScreen};
        case Key::Escape:
            if (fullScreen) {
                return WindowKeyAction{Kind::LeaveFullScreen};
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

bool takeWindowKey(const KeyPress& press, bool fullScreen, KeyedWindow& window) {
    const std::optional<WindowKeyAction> action = windowKeyAction(press, fullScreen);
    if (!action) {
        return false;
    }
    switch (action->kind) {
        case Kind::Zoom:
            window.zoom(action->zoomKey);
            break;
        case Kind::ToggleFullScreen:
            window.toggleFullScreen();
            break;
        case Kind::LeaveFullScreen:
            window.leaveFullScreen();
            break;
        case Kind::Ignore:
            break;
    }
    return true;
}

}  // namespace presenter
