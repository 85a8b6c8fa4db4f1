// The keys of the whole window, one rule for every desktop front-end, and what taking one does.

#include "presenter/window_keys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace presenter {
namespace {

using Kind = WindowKeyAction::Kind;

struct KeyRow {
    const char* what;
    KeyPress press;
    bool fullScreen;
    std::optional<WindowKeyAction> action;
};

TEST(WindowKeysTest, EachPressGivesItsActionOrIsLeftToTheControls) {
    const WindowKeyAction in{Kind::Zoom, design::ZoomKey::In};
    const WindowKeyAction out{Kind::Zoom, design::ZoomKey::Out};
    const WindowKeyAction reset{Kind::Zoom, design::ZoomKey::Reset};
    const WindowKeyAction toggle{Kind::ToggleFullScreen};
    for (const KeyRow& row : {
             KeyRow{"Ctrl+Plus", {Key::Plus, true}, false, in},
             KeyRow{"Ctrl+= as Ctrl+Plus", {Key::Equal, true}, false, in},
             KeyRow{"Ctrl+Minus", {Key::Minus, true}, false, out},
             KeyRow{"Ctrl+0", {Key::Zero, true}, false, reset},
             KeyRow{"Ctrl+Plus held down steps on", {Key::Plus, true, false, true}, false, in},
             KeyRow{"the zoom keys in full screen too", {Key::Minus, true}, true, out},
             KeyRow{"Ctrl+Alt+Plus types (AltGr)", {Key::Plus, true, true}, false, std::nullopt},
             KeyRow{"Plus alone types", {Key::Plus}, false, std::nullopt},
             KeyRow{"= alone types", {Key::Equal}, false, std::nullopt},
             KeyRow{"0 alone types", {Key::Zero}, false, std::nullopt},
             KeyRow{"Ctrl with another key", {Key::Other, true}, false, std::nullopt},
             KeyRow{"F11", {Key::F11}, false, toggle},
             KeyRow{"F11 in full screen", {Key::F11}, true, toggle},
             KeyRow{"F11 held down", {Key::F11, false, false, true}, true, WindowKeyAction{}},
             KeyRow{"Ctrl+F11", {Key::F11, true}, false, std::nullopt},
             KeyRow{"Alt+F11", {Key::F11, false, true}, false, std::nullopt},
             KeyRow{
                 "Esc in full screen", {Key::Escape}, true, WindowKeyAction{Kind::LeaveFullScreen}},
             KeyRow{"Esc in a window is the controls'", {Key::Escape}, false, std::nullopt},
             KeyRow{"Ctrl+Esc", {Key::Escape, true}, true, std::nullopt},
             KeyRow{"any other key", {Key::Other}, true, std::nullopt},
         }) {
        EXPECT_EQ(windowKeyAction(row.press, row.fullScreen), row.action) << row.what;
    }
}

// A window that notes what its keys had it do.
class NotingWindow final : public KeyedWindow {
public:
    void zoom(design::ZoomKey key) override {
        done.push_back(key == design::ZoomKey::In    ? "zoom in"
                       : key == design::ZoomKey::Out ? "zoom out"
                                                     : "zoom reset");
    }
    void toggleFullScreen() override { done.push_back("toggle full screen"); }
    void leaveFullScreen() override { done.push_back("leave full screen"); }

    std::vector<std::string> done;
};

TEST(WindowKeysTest, ATakenKeyIsCarriedOutOnTheWindow) {
    struct TakeRow {
        const char* what;
        KeyPress press;
        bool fullScreen;
        bool taken;
        std::vector<std::string> done;
    };
    for (const TakeRow& row : {
             TakeRow{"Ctrl+Plus", {Key::Plus, true}, false, true, {"zoom in"}},
             TakeRow{"Ctrl+Minus", {Key::Minus, true}, true, true, {"zoom out"}},
             TakeRow{"Ctrl+0", {Key::Zero, true}, false, true, {"zoom reset"}},
             TakeRow{"F11", {Key::F11}, false, true, {"toggle full screen"}},
             TakeRow{"Esc in full screen", {Key::Escape}, true, true, {"leave full screen"}},
             TakeRow{"F11 held down: taken, nothing done",
                     {Key::F11, false, false, true},
                     true,
                     true,
                     {}},
             TakeRow{"Esc in a window: the controls'", {Key::Escape}, false, false, {}},
         }) {
        NotingWindow window;
        EXPECT_EQ(takeWindowKey(row.press, row.fullScreen, window), row.taken) << row.what;
        EXPECT_EQ(window.done, row.done) << row.what;
    }
}

}  // namespace
}  // namespace presenter
