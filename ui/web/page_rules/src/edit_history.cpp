#include "page_rules/edit_history.h"

#include <algorithm>
#include <utility>

#include "page_rules/line_breaks.h"

namespace page_rules {

namespace {

// The edit that takes `edit` back.
TextEdit inverse(const TextEdit& edit) {
    return TextEdit{edit.position, edit.inserted, edit.removed, edit.after, edit.before};
}

int length(const std::u16string& text) { return static_cast<int>(text.size()); }

std::size_t bytesOf(const TextEdit& edit) {
    return (edit.removed.size() + edit.inserted.size()) * sizeof(char16_t);
}

}  // namespace

std::optional<EditSpan> editSpan(Selection before, int lengthBefore, Selection after,
                                 int lengthAfter) {
    const int position = std::min(before.start, after.start);
    const int inserted = after.end - position;
    const int removed = lengthBefore - lengthAfter + inserted;
    if (position < 0 || inserted < 0 || removed < 0 || position + removed > lengthBefore ||
        position + inserted > lengthAfter) {
        return std::nullopt;
    }
    return EditSpan{position, removed, inserted};
}

std::optional<TextEdit> checkedEdit(Selection selectionBefore, const TextView& before,
                                    Selection selectionAfter, const TextView& after,
                                    std::optional<std::u16string_view> told) {
    const int lengthBefore = before.length();
    const int lengthAfter = after.length();
    const std::optional<EditSpan> span =
        editSpan(selectionBefore, lengthBefore, selectionAfter, lengthAfter);
    if (!span) {
        return std::nullopt;
    }
    const int position = span->position;
    const int endBefore = position + span->removedLength;
    const int endAfter = position + span->insertedLength;
    const int leftStart = std::max(0, position - kCheckedNeighbourhood);
    // What follows the span is as long before as after, the lengths having made the span.
    const int rightLength = std::min(kCheckedNeighbourhood, lengthBefore - endBefore);
    if (before.slice(leftStart, position) != after.slice(leftStart, position) ||
        before.slice(endBefore, endBefore + rightLength) !=
            after.slice(endAfter, endAfter + rightLength)) {
        return std::nullopt;
    }
    std::u16string inserted = after.slice(position, endAfter);
    if (told) {
        const std::u16string expected = toTextareaLineBreaks(*told);
        const int reachBack = length(expected) - span->insertedLength;
        if (reachBack < 0 || reachBack > position - leftStart ||
            after.slice(position - reachBack, endAfter) != expected) {
            return std::nullopt;
        }
    }
    return TextEdit{position, before.slice(position, endBefore), std::move(inserted),
                    selectionBefore, selectionAfter};
}

void EditHistory::record(EditKind kind, TextEdit edit, int lengthAfter) {
    if (edit.removed.empty() && edit.inserted.empty()) {
        return;
    }
    for (const Step& step : redo_) {
        keptBytes_ -= bytesOf(step.edit);
    }
    redo_.clear();
    if (extendsLastStep(kind, edit)) {
        Step& last = undo_.back();
        keptBytes_ += bytesOf(edit);
        if (kind == EditKind::DeletingBackward) {
            last.edit.removed = edit.removed + last.edit.removed;
            last.edit.position = edit.position;
        } else {
            last.edit.removed += edit.removed;
            last.edit.inserted += edit.inserted;
        }
        last.edit.after = edit.after;
        last.lengthAfter = lengthAfter;
    } else {
        keptBytes_ += bytesOf(edit);
        undo_.push_back({kind, std::move(edit), lengthAfter});
        lastStepOpen_ = true;
    }
    dropOldestBeyondBounds();
}

void EditHistory::dropOldestBeyondBounds() {
    std::size_t dropped = 0;
    while (dropped < undo_.size() &&
           (undo_.size() - dropped > kMostSteps || keptBytes_ > kMostBytes)) {
        keptBytes_ -= bytesOf(undo_[dropped].edit);
        ++dropped;
    }
    undo_.erase(undo_.begin(), undo_.begin() + static_cast<std::ptrdiff_t>(dropped));
    if (undo_.empty()) {
        // The last edit alone was too large: it cannot be undone, and so neither can any before.
        forget();
    }
}

bool EditHistory::extendsLastStep(EditKind kind, const TextEdit& edit) const {
    if (!lastStepOpen_ || undo_.empty() || undo_.back().kind != kind) {
        return false;
    }
    const TextEdit& last = undo_.back().edit;
    switch (kind) {
        case EditKind::Typing:
            return edit.removed.empty() && edit.position == last.position + length(last.inserted);
        case EditKind::DeletingBackward:
            return edit.inserted.empty() && edit.position + length(edit.removed) == last.position;
        case EditKind::DeletingForward:
            return edit.inserted.empty() && last.inserted.empty() && edit.position == last.position;
        case EditKind::Other:
            return false;
    }
    return false;
}

void EditHistory::forget() {
    undo_.clear();
    redo_.clear();
    keptBytes_ = 0;
    lastStepOpen_ = false;
}

std::optional<TextEdit> EditHistory::undo(const TextView& text) {
    return move(undo_, redo_, true, text);
}

std::optional<TextEdit> EditHistory::redo(const TextView& text) {
    return move(redo_, undo_, false, text);
}

std::optional<TextEdit> EditHistory::move(std::vector<Step>& from, std::vector<Step>& to,
                                          bool undoing, const TextView& text) {
    if (from.empty()) {
        return std::nullopt;
    }
    const Step& step = from.back();
    const TextEdit edit = undoing ? inverse(step.edit) : step.edit;
    const int lengthNow =
        undoing ? step.lengthAfter
                : step.lengthAfter - length(step.edit.inserted) + length(step.edit.removed);
    const int end = edit.position + length(edit.removed);
    if (text.length() != lengthNow || end > lengthNow ||
        text.slice(edit.position, end) != edit.removed) {
        forget();
        return std::nullopt;
    }
    lastStepOpen_ = false;
    to.push_back(std::move(from.back()));
    from.pop_back();
    return edit;
}

}  // namespace page_rules
