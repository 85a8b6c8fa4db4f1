#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The user's undo and redo in a text control whose own history cannot be kept apart from the
// program's writes: a browser's textarea keeps its editing history across the page's changes of
// its value and replays it at offsets that no longer hold, putting text into the box that nobody
// typed. The control's front-end records each of the user's edits here, forgets them all when
// the program writes, and on undo or redo applies the edit this history gives back, in place of
// the control's own. So only the user's edits since the program last wrote can be undone, whole,
// and a program write is never taken back in part.
//
// Positions and lengths are in the control's own units (UTF-16 code units in a browser); texts
// are UTF-8.
namespace web_core {

struct Selection {
    int start = 0;
    int end = 0;

    friend bool operator==(const Selection&, const Selection&) = default;
};

// At `position`, `removed` was replaced by `inserted`; the selection was `before` and then
// `after`.
struct TextEdit {
    int position = 0;
    std::string removed;
    std::string inserted;
    Selection before;
    Selection after;

    friend bool operator==(const TextEdit&, const TextEdit&) = default;
};

// What kind of edit the user made; runs of typing and of deleting in one direction are undone
// as one step, as in any editor.
enum class EditKind { Typing, DeletingBackward, DeletingForward, Other };

// Where an edit lay, in units: `removedLength` units at `position` replaced by `insertedLength`.
struct EditSpan {
    int position = 0;
    int removedLength = 0;
    int insertedLength = 0;

    friend bool operator==(const EditSpan&, const EditSpan&) = default;
};

// The span of an edit from the selection and the text's length before and after it: it starts
// at the selection's start before it or after it, whichever comes first, and ends, after it, at
// the selection's end (the caret after typed, pasted or composed text, or around dropped text).
// Nothing when the numbers do not make a span, as after a change of some other kind.
std::optional<EditSpan> editSpan(Selection before, int lengthBefore, Selection after,
                                 int lengthAfter);

// UTF-16 code units of a UTF-8 text: the length a browser gives it.
int utf16Length(std::string_view utf8);

class EditHistory {
public:
    // Steps kept at the most; the oldest go first.
    static constexpr std::size_t kMostSteps = 100;

    // An edit of the user's; it clears what could be redone.
    void record(EditKind kind, TextEdit edit);
    // The program wrote, or the text changed in a way not recorded: nothing before can be undone
    // or redone.
    void forget();

    // The edit that takes back the last step, or redoes the last undone one, as it is to be
    // applied to the text: at `position`, replace `removed` by `inserted`, then select `after`.
    std::optional<TextEdit> undo();
    std::optional<TextEdit> redo();

private:
    struct Step {
        EditKind kind;
        TextEdit edit;
    };
    bool extendsLastStep(EditKind kind, const TextEdit& edit) const;

    std::vector<Step> undo_;
    std::vector<Step> redo_;
    // Whether the last step may grow with the next edit: not after an undo or redo.
    bool lastStepOpen_ = false;
};

}  // namespace web_core
