#include "qt_ui/plain_text_box.h"

#include <QByteArray>
#include <QPlainTextEdit>
#include <QString>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <cstring>

namespace qt_ui {

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

// The text as UTF-16. Unlike QString::fromUtf8, keeps a byte-order mark at the start: an appended
// tail is converted on its own, and its first character is as much the text's as any other.
QString fromUtf8(std::string_view utf8) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace

PlainTextBox::PlainTextBox(QPlainTextEdit& edit) : edit_(edit) {
    userEdits_ =
        QObject::connect(edit_.document(), &QTextDocument::contentsChanged, &edit_, [this] {
            if (!writing_) {
                knownIsCurrent_ = false;
            }
        });
}

PlainTextBox::~PlainTextBox() { QObject::disconnect(userEdits_); }

std::string PlainTextBox::text() const {
    refreshKnownText();
    return known_;
}

void PlainTextBox::setText(std::string_view text) {
    if (mayExtendDocument(text)) {
        refreshKnownText();
    }
    {
        const WritingScope writing(writing_);
        if (knownIsCurrent_ && !known_.empty() && text.starts_with(known_)) {
            const std::string_view tail = text.substr(known_.size());
            insertAtEnd(tail, known_.back() == '\r');
            known_.append(tail);
        } else {
            edit_.setPlainText(fromUtf8(text));
            known_.assign(text);
            knownIsCurrent_ = true;
        }
        // What the program wrote is not the user's to undo: Ctrl+Z after a command would
        // otherwise take back part of a problem or its solution, out of step with the buttons.
        edit_.document()->clearUndoRedoStacks();
    }
}

bool PlainTextBox::mayExtendDocument(std::string_view text) const {
    // Every UTF-16 unit of the document takes at least one byte of UTF-8 (a paragraph break
    // takes two, CR LF), so a shorter text cannot start with the document's. Replacing a long
    // transcript with a new problem then skips reading the old one back.
    const auto documentUnits = static_cast<std::size_t>(edit_.document()->characterCount() - 1);
    return text.size() >= documentUnits;
}

void PlainTextBox::refreshKnownText() const {
    if (!knownIsCurrent_) {
        known_ = readDocument();
        knownIsCurrent_ = true;
    }
}

std::string PlainTextBox::readDocument() const {
    // The raw text keeps no-break spaces as they are and marks each break between paragraphs,
    // and each Shift+Enter line break, with a separator character of its own. Both separators
    // are E2 80 A9 and E2 80 A8 in UTF-8, so one pass over the converted bytes turns them into
    // CR LF: a transcript of many lines is read back in time linear in its size.
    const QByteArray utf8 = edit_.document()->toRawText().toUtf8();
    const char* from = utf8.constData();
    const char* const end = from + utf8.size();
    std::string text;
    text.reserve(static_cast<std::size_t>(utf8.size()));
    while (from != end) {
        const auto* lead = static_cast<const char*>(std::memchr(from, '\xE2', end - from));
        if (lead == nullptr) {
            text.append(from, end);
            break;
        }
        if (end - lead >= 3 && lead[1] == '\x80' && (lead[2] == '\xA8' || lead[2] == '\xA9')) {
            text.append(from, lead);
            text.append("\r\n");
            from = lead + 3;
        } else {
            text.append(from, lead + 1);
            from = lead + 1;
        }
    }
    return text;
}

void PlainTextBox::insertAtEnd(std::string_view tail, bool textEndsInCarriageReturn) {
    if (tail.empty()) {
        return;
    }
    // The widget already broke the line at a lone CR; the LF that completes it adds no second
    // break.
    if (textEndsInCarriageReturn && tail.front() == '\n') {
        tail.remove_prefix(1);
    }
    QTextCursor cursor(edit_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(fromUtf8(tail));
}

}  // namespace qt_ui
