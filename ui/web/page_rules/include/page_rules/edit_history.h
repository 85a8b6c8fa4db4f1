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
// What the history guarantees: undo and redo only ever bring back a text the control held. An
// edit is recorded only once checked against the text it left (checkedEdit); one that does not
// check, and any change not recorded, make the history forget, and undo and redo check the text
// they apply to. The worst a browser's misreport can do is leave nothing to undo.
//
// Positions, lengths and texts are in the control's own units, UTF-16 code units in a browser,
// kept as they are: a character beyond the Basic Multilingual Plane takes two, and a lone
// surrogate the user managed to enter is kept, and put back, as it was.
namespace page_rules {

struct Selection {
    int start = 0;
    int end = 0;

    friend bool operator==(const Selection&, const Selection&) = default;
};

// At `position`, `removed` was replaced by `inserted`; the selection was `before` and then
// `after`.
struct TextEdit {
    int position = 0;
    std::u16string removed;
    std::u16string inserted;
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

// A text as the check reads it: its length, and the units from `start` up to `end`. A browser's
// front-end reads only these slices of the text, never all of it, so that an edit costs as much
// to check in a long text as in a short one.
class TextView {
public:
    virtual int length() const = 0;
    virtual std::u16string slice(int start, int end) const = 0;

protected:
    ~TextView() = default;
};

// Units on each side of an edit's span that checkedEdit compares before and after it.
inline constexpr int kCheckedNeighbourhood = 64;

// The edit to record when the text `before` became `after`, the selection being
// `selectionBefore` and then `selectionAfter`; `told` is the inserted text where the browser's
// event says it (typed, composed or pasted), its line breaks as given. Nothing when the edit the
// selections and lengths make (editSpan) does not explain the change:
// - the text after it must match the text before it for kCheckedNeighbourhood units on either
//   side of the span. Outside that, the lengths agree and nothing is read: the check costs in
//   proportion to the edit, not to the text. So a change next to the span that the selection did
//   not tell is caught (a transpose of the characters around the caret, a composition the
//   browser rewrote, a selection reported a few units off); browsers make none farther away.
// - the text told, its CR LF and CR turned into the LF a textarea keeps, must end the inserted
//   span and may reach back into the text the edit kept, as an input method's composition of
//   the word already before the caret does; then a composition committed as something other than
//   what the box shows, or text the box cut short, is caught.
std::optional<TextEdit> checkedEdit(Selection selectionBefore, const TextView& before,
                                    Selection selectionAfter, const TextView& after,
                                    std::optional<std::u16string_view> told);

class EditHistory {
public:
    // Steps kept at the most, and the text they keep, in bytes, counting what can be undone and
    // what can be redone; the oldest steps go first. An edit larger than that on its own is not
    // kept, and then nothing before it can be undone either.
    static constexpr std::size_t kMostSteps = 100;
    static constexpr std::size_t kMostBytes = std::size_t{1} << 20;

    // An edit of the user's, checked (checkedEdit), to the text now `lengthAfter` units long;
    // it clears what could be redone. An edit that changed nothing is no step.
    void record(EditKind kind, TextEdit edit, int lengthAfter);
    // The program wrote, or the text changed in a way not recorded: nothing before can be undone
    // or redone.
    void forget();

    // The edit that takes back the last step, or redoes the last undone one, as it is to be
    // applied to `text`: at `position`, replace `removed` by `inserted`, then select `after`.
    // Nothing, and the history forgotten, when `text` is not the text that step left (as after a
    // change that went by unrecorded): it does not hold `removed` there, or has another length.
    std::optional<TextEdit> undo(const TextView& text);
    std::optional<TextEdit> redo(const TextView& text);

    // The bytes of text the steps keep.
    std::size_t keptBytes() const { return keptBytes_; }

private:
    struct Step {
        EditKind kind;
        TextEdit edit;
        // The text's length after the edit.
        int lengthAfter;
    };
    bool extendsLastStep(EditKind kind, const TextEdit& edit) const;
    std::optional<TextEdit> move(std::vector<Step>& from, std::vector<Step>& to, bool undoing,
                                 const TextView& text);
    void dropOldestBeyondBounds();

    std::vector<Step> undo_;
    std::vector<Step> redo_;
    std::size_t keptBytes_ = 0;
    // Whether the last step may grow with the next edit: not after an undo or redo.
    bool lastStepOpen_ = false;
};

}  // namespace page_rules
