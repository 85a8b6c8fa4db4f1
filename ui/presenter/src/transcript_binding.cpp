#include "presenter/transcript_binding.h"

namespace presenter {

namespace {

// Sets a flag for the lifetime of a scope, so the binding can tell its own edits from the user's.
class WritingScope {
public:
    explicit WritingScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~WritingScope() { flag_ = false; }
    WritingScope(const WritingScope&) = delete;
    WritingScope& operator=(const WritingScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

std::string TranscriptBinding::text() const {
    refreshKnownText();
    return known_;
}

void TranscriptBinding::setText(std::string_view text) {
    if (!knownIsCurrent() && text.size() >= contentLength()) {
        refreshKnownText();
    }
    const WritingScope writing(writing_);
    if (knownIsCurrent() && !known_.empty() && text.starts_with(known_)) {
        std::string_view tail = text.substr(known_.size());
        // The control already broke the line at a lone CR; the LF that completes it adds no
        // second break.
        const bool completesBreak = lineBreaks_ == LineBreaks::OneBreakEach &&
                                    known_.back() == '\r' && tail.starts_with('\n');
        known_.append(tail);
        if (completesBreak) {
            tail.remove_prefix(1);
        }
        if (!tail.empty()) {
            appendToContent(tail);
        }
    } else {
        replaceContent(text);
        known_.assign(text);
        knownIsCurrent_ = true;
    }
    forgetUndoHistory();
}

void TranscriptBinding::contentChanged() {
    if (!writing_) {
        knownIsCurrent_ = false;
    }
}

void TranscriptBinding::refreshKnownText() const {
    if (!knownIsCurrent()) {
        known_ = readContent();
        knownIsCurrent_ = true;
    }
}

}  // namespace presenter
