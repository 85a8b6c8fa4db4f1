#include "ui/plain_text_box.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

namespace ui {

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
    refreshKnownText();
    {
        const WritingScope writing(writing_);
        if (!known_.empty() && text.starts_with(known_)) {
            const std::string_view tail = text.substr(known_.size());
            insertAtEnd(tail, known_.back() == '\r');
            known_.append(tail);
        } else {
            edit_.setPlainText(QString::fromUtf8(text));
            known_.assign(text);
        }
        // What the program wrote is not the user's to undo: Ctrl+Z after a command would
        // otherwise take back part of a problem or its solution, out of step with the buttons.
        edit_.document()->clearUndoRedoStacks();
    }
}

void PlainTextBox::refreshKnownText() const {
    if (!knownIsCurrent_) {
        known_ = readDocument();
        knownIsCurrent_ = true;
    }
}

std::string PlainTextBox::readDocument() const {
    // The raw text keeps no-break spaces as they are and marks each break between paragraphs,
    // and each Shift+Enter line break, with a separator character of its own.
    const QString raw = edit_.document()->toRawText();
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    for (const QChar character : raw) {
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator) {
            text += QLatin1String("\r\n");
        } else {
            text += character;
        }
    }
    return text.toStdString();
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
    cursor.insertText(QString::fromUtf8(tail));
}

}  // namespace ui
