#pragma once

#include <QMetaObject>
#include <string>
#include <string_view>

#include "presenter/transcript_binding.h"

class QPlainTextEdit;

namespace qt_ui {

// The transcript widget as the engine's text box (see presenter::TranscriptBinding). The widget
// keeps lines as paragraphs; this binding turns them into CR LF and back, so text() returns
// exactly what setText() was given, and a line break the user typed (Enter or Shift+Enter) comes
// back as CR LF. The user cannot undo what was set, only their own edits since. Texts are taken
// to be valid UTF-8, as the program writes them.
//
// The widget must outlive the binding.
class PlainTextBox final : public presenter::TranscriptBinding {
public:
    explicit PlainTextBox(QPlainTextEdit& edit);
    ~PlainTextBox() override;

private:
    std::string readContent() const override;
    std::size_t contentLength() const override;
    void replaceContent(std::string_view text) override;
    void appendToContent(std::string_view tail) override;
    void forgetUndoHistory() override;

    QPlainTextEdit& edit_;
    QMetaObject::Connection edits_;
};

}  // namespace qt_ui
