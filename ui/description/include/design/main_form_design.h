#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "design/units.h"

// The main window as designed: every control with its kind, place, colour, caption and the
// names a screen reader announces; the window's size, colour, title and font; the text the
// transcript starts with; and the order the keyboard visits the controls in. Each front-end
// builds its window by walking this description and converting its units, so nothing of the
// window's look is written twice. All texts are UTF-8.
namespace design {

enum class ControlKind {
    Label,          // a caption on a coloured background
    Frame,          // a group box with a caption around the option buttons
    OptionButton,   // one of a group of which at most one is marked
    CommandButton,  // a push button with a coloured face
    TextBox,        // multi-line, editable, with a vertical scroll bar
    ListBox,        // a list of text items, one per row
};

// Whether the keyboard can reach a control of this kind. Labels and frames are passed over.
constexpr bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Frame;
}

enum class Alignment { Left, Centre };

// A control by its design name and, for the members of a control array, its index:
// List1(3) is {"List1", 3}. Single controls such as Frame1 have no index.
struct ControlId {
    static constexpr int kNoIndex = -1;

    std::string_view name{};
    int index = kNoIndex;

    friend constexpr bool operator==(const ControlId&, const ControlId&) = default;
};

// The name a toolkit knows a control by: "List1_3", or "Frame1" for a single control.
std::string objectName(const ControlId& id);

// The controls the engine reaches, by their indexes in its arrays: List1(0) to List1(16),
// Text1(0), Option1(0) to Option1(5), Command1(0) and Command1(1).
constexpr ControlId listId(int index) { return {"List1", index}; }
constexpr ControlId transcriptId() { return {"Text1", 0}; }
constexpr ControlId optionId(int index) { return {"Option1", index}; }
constexpr ControlId commandId(int index) { return {"Command1", index}; }

struct Control {
    ControlId id;
    ControlKind kind = ControlKind::Label;
    // From the top left of the client area, or of the frame for a control inside it.
    Twips place;
    bool insideFrame = false;
    // The face of a command button, the background of anything else; none keeps the platform's
    // own (white for the text and list boxes).
    std::optional<Rgb> background{};
    std::string_view caption{};
    Alignment alignment = Alignment::Left;
    std::string_view accessibleName{};
    std::string_view accessibleDescription{};
};

// A serif face of normal weight, upright, with the Cyrillic character set: what each front-end
// asks its toolkit for besides these.
struct Font {
    std::string_view family{};
    // A family with the same metrics, where the designed one is missing (as on most Linux
    // systems), so texts take the room they were designed for.
    std::string_view metricCompatibleFamily{};
    int points = 0;
};

// Label1, Frame1, Option1(0) to (5), Command1(0) and (1), Text1(0), List1(0) to (16).
inline constexpr std::size_t kControlCount = 1 + 1 + 6 + 2 + 1 + 17;

struct WindowDesign {
    std::string_view designName;
    Twips clientArea;
    Rgb background;
    std::string_view title;
    Font font;
    // Six lines, each ending in CR LF, shown until the first problem.
    std::string_view introText;
    // In the order they are stacked, bottom first: the frame before its option buttons, and the
    // lists last, so the strip lies over the transcript's bottom edge, each list over the one
    // before it. A toolkit that stacks controls in the order they are made follows this order.
    std::array<Control, kControlCount> controls;
    // First to last. Labels and frames are listed where the design puts them but take no focus
    // (see takesFocus); the option buttons follow their frame and form one stop of the keyboard,
    // entered on the marked one.
    std::array<ControlId, kControlCount> tabOrder;
};

// The description of the program's only window.
const WindowDesign& mainForm();

// The control with the given id; throws std::out_of_range when the window has none. The id is
// taken by value: the control returned lives in the description, not in the id, so a call with
// a temporary id ({"Label1"}) gives a reference that stays valid.
const Control& control(ControlId id);

}  // namespace design
