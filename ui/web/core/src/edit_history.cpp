#include "web_core/edit_history.h"

#include <algorithm>
#include <utility>

namespace web_core {

namespace {

// The edit that takes `edit` back.
TextEdit inverse(const TextEdit& edit) {
    return TextEdit{edit.position, edit.inserted, edit.removed, edit.after, edit.before};
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

int utf16Length(std::string_view utf8) {
    int units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            // A lead byte: one unit, two for a character beyond the Basic Multilingual Plane.
            units += byte >= 0xF0 ? 2 : 1;
        }
    }
    return units;
}

void EditHistory::record(EditKind kind, TextEdit edit) {
    redo_.clear();
    if (extendsLastStep(kind, edit)) {
        TextEdit& last = undo_.back().edit;
        if (kind == EditKind::DeletingBackward) {
            last.removed = edit.removed + last.removed;
            last.position = edit.position;
        } else {
            last.removed += edit.removed;
            last.inserted += edit.inserted;
        }
        last.after = edit.after;
        return;
    }
    if (undo_.size() == kMostSteps) {
        undo_.erase(undo_.begin());
    }
    undo_.push_back({kind, std::move(edit)});
    lastStepOpen_ = true;
}

bool EditHistory::extendsLastStep(EditKind kind, const TextEdit& edit) const {
    if (!lastStepOpen_ || undo_.empty() || undo_.back().kind != kind) {
        return false;
    }
    const TextEdit& last = undo_.back().edit;
    switch (kind) {
        case EditKind::Typing:
            return edit.removed.empty() &&
                   edit.position == last.position + utf16Length(last.inserted);
        case EditKind::DeletingBackward:
            return edit.inserted.empty() &&
                   edit.position + utf16Length(edit.removed) == last.position;
        case EditKind::DeletingForward:
            return edit.inserted.empty() && edit.position == last.position;
        case EditKind::Other:
            return false;
    }
    return false;
}

void EditHistory::forget() {
    undo_.clear();
    redo_.clear();
    lastStepOpen_ = false;
}

std::optional<TextEdit> EditHistory::undo() {
    if (undo_.empty()) {
        return std::nullopt;
    }
    lastStepOpen_ = false;
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    return inverse(redo_.back().edit);
}

std::optional<TextEdit> EditHistory::redo() {
    if (redo_.empty()) {
        return std::nullopt;
    }
    lastStepOpen_ = false;
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    return undo_.back().edit;
}

}  // namespace web_core
