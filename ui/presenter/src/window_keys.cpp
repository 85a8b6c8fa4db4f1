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

}  // namespace presenter
