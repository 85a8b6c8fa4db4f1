#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// Types text key by key, as a keyboard with any layout would; QTest::keyClicks takes Latin-1
// only.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}
