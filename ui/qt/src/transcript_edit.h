#pragma once

#include <QPlainTextEdit>

namespace qt_ui {

// The transcript's editor. Pastes and drops bring plain text only: an editor that offers its
// clipboard as Markdown or HTML first would otherwise put formatted text, and marks the plain
// text cannot hold, into the pupil's working and into the solutions appended after it.
class TranscriptEdit final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace qt_ui
