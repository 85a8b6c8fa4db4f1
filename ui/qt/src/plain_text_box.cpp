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

// The text as UTF-16. Unlike QString::fromUtf8, keeps a byte-order mark at the start: an appended
// tail is converted on its own, and its first character is as much the text's as any other.
QString fromUtf8(std::string_view utf8) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace

PlainTextBox::PlainTextBox(QPlainTextEdit& edit)
    : TranscriptBinding(presenter::LineBreaks::OneBreakEach), edit_(edit) {
    edits_ = QObject::connect(edit_.document(), &QTextDocument::contentsChanged, &edit_,
                              [this] { contentChanged(); });
}

PlainTextBox::~PlainTextBox() { QObject::disconnect(edits_); }

std::size_t PlainTextBox::contentLength() const {
    return static_cast<std::size_t>(edit_.document()->characterCount() - 1);
}

void PlainTextBox::replaceContent(std::string_view text) { edit_.setPlainText(fromUtf8(text)); }

void PlainTextBox::forgetUndoHistory() { edit_.document()->clearUndoRedoStacks(); }

std::string PlainTextBox::readContent() const {
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

void PlainTextBox::appendToContent(std::string_view tail) {
    QTextCursor cursor(edit_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(fromUtf8(tail));
}

}  // namespace qt_ui
