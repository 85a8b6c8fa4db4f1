#pragma once

#include <QMetaObject>
#include <string>
#include <string_view>

#include "engine/text_box.h"

class QPlainTextEdit;

namespace qt_ui {

// The transcript widget as the engine's text box. The widget keeps lines as paragraphs; this
// binding turns them into CR LF and back, so text() returns exactly what setText() was given,
// and a line break the user typed (Enter or Shift+Enter) comes back as CR LF.
//
// setText() with a text that extends the current one inserts only the new tail at the end of the
// document, so an append costs what is appended, however long the transcript has grown. Any other
// text replaces the document. Either way the user cannot undo what was set, only their own edits
// since. Texts are taken to be valid UTF-8, as the program writes them.
//
// The widget must outlive the binding.
class PlainTextBox final : public engine::TextBox {
public:
    explicit PlainTextBox(QPlainTextEdit& edit);
    ~PlainTextBox() override;
    PlainTextBox(const PlainTextBox&) = delete;
    PlainTextBox& operator=(const PlainTextBox&) = delete;

    std::string text() const override;
    void setText(std::string_view text) override;

private:
    bool mayExtendDocument(std::string_view text) const;
    void refreshKnownText() const;
    std::string readDocument() const;
    void insertAtEnd(std::string_view tail, bool textEndsInCarriageReturn);

    QPlainTextEdit& edit_;
    QMetaObject::Connection userEdits_;
    // The text as last set or read. Valid until the document changes other than through
    // setText(); it spares reading the whole document back on every append.
    mutable std::string known_;
    mutable bool knownIsCurrent_ = false;
    bool writing_ = false;
};

}  // namespace qt_ui
