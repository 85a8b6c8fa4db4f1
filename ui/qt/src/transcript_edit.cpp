#include "transcript_edit.h"

#include <QMimeData>

namespace qt_ui {

bool TranscriptEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void TranscriptEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    QMimeData plain;
    plain.setText(source->text());
    QPlainTextEdit::insertFromMimeData(&plain);
}

}  // namespace qt_ui
