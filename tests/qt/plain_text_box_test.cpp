#include "qt_ui/plain_text_box.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <string>

#include "typing.h"

using namespace std::string_literals;

Q_DECLARE_METATYPE(std::string)

namespace {

// What the widget shows, read back through a binding that has never seen the text.
std::string shown(QPlainTextEdit& edit) { return qt_ui::PlainTextBox(edit).text(); }

}  // namespace

class PlainTextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void returnsExactlyWhatWasSet_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::string>("widgetText");

        QTest::newRow("empty") << ""s
                               << ""s;
        QTest::newRow("final line break") << "ред\r\n"s
                                          << "ред\r\n"s;
        QTest::newRow("trailing blanks") << "Отговор: \r\nX = "s
                                         << "Отговор: \r\nX = "s;
        QTest::newRow("empty lines") << "\r\n\r\na\r\n\r\n"s
                                     << "\r\n\r\na\r\n\r\n"s;
        QTest::newRow("no-break space") << "1\u00a0000"s
                                        << "1\u00a0000"s;
        // The widget breaks the line at a lone CR; only the binding keeps the exact text.
        QTest::newRow("lone CR") << "a\rb"s
                                 << "a\r\nb"s;
        QTest::newRow("lone LF") << "a\nb"s
                                 << "a\r\nb"s;
        // These share their first UTF-8 bytes with the widget's line and paragraph separators.
        QTest::newRow("typographic punctuation") << "„Задача“ — 5 €, … ‰ №"s
                                                 << "„Задача“ — 5 €, … ‰ №"s;
        QTest::newRow("Unicode line separator") << "a\u2028b\u2029"s
                                                << "a\r\nb\r\n"s;
    }

    void returnsExactlyWhatWasSet() {
        QFETCH(std::string, text);
        QFETCH(std::string, widgetText);
        QPlainTextEdit edit;
        qt_ui::PlainTextBox box(edit);

        box.setText(text);

        QCOMPARE(box.text(), text);
        QCOMPARE(shown(edit), widgetText);
    }

    // However long the transcript, an append touches only the end of the document.
    void appendInsertsOnlyTheTail_data() {
        QTest::addColumn<std::string>("before");
        QTest::addColumn<std::string>("tail");
        QTest::addColumn<std::string>("widgetText");

        const std::string longLine(64 * 1024, 'x');
        QTest::newRow("short") << "X = ?\r\n"s
                               << "A = 5; \r\n"s
                               << "X = ?\r\nA = 5; \r\n"s;
        QTest::newRow("64 KiB") << longLine + "\r\n"
                                << "\r\nОтговор: \r\n"s << longLine + "\r\n\r\nОтговор: \r\n";
        QTest::newRow("open last line") << "X = "s
                                        << "2 = 1\r\n"s
                                        << "X = 2 = 1\r\n"s;
        QTest::newRow("CR then LF") << "a\r"s
                                    << "\nb"s
                                    << "a\r\nb"s;
        QTest::newRow("byte-order mark first") << "X = ?\r\n"s
                                               << "\uFEFFA = 5"s
                                               << "X = ?\r\n\uFEFFA = 5"s;
    }

    void appendInsertsOnlyTheTail() {
        QFETCH(std::string, before);
        QFETCH(std::string, tail);
        QFETCH(std::string, widgetText);
        QPlainTextEdit edit;
        qt_ui::PlainTextBox box(edit);
        box.setText(before);
        const int endBefore = edit.document()->characterCount() - 1;
        QSignalSpy changes(edit.document(), &QTextDocument::contentsChange);

        box.setText(before + tail);

        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes[0][0].toInt(), endBefore);  // position
        QCOMPARE(changes[0][1].toInt(), 0);          // characters removed
        QCOMPARE(box.text(), before + tail);
        QCOMPARE(shown(edit), widgetText);
    }

    void otherTextReplacesTheDocument() {
        QPlainTextEdit edit;
        qt_ui::PlainTextBox box(edit);
        box.setText("стар текст\r\n");

        box.setText("нов\r\n");

        QCOMPARE(box.text(), "нов\r\n"s);
        QCOMPARE(edit.toPlainText(), QStringLiteral("нов\n"));
    }

    // Only the user's own edits since the program last wrote can be undone.
    void undoTakesBackOnlyTheUsersEdits_data() {
        QTest::addColumn<QString>("typedAfterAppend");
        QTest::addColumn<std::string>("afterUndo");

        QTest::newRow("nothing typed") << QString() << "a\r\nb\r\n"s;
        QTest::newRow("typed after the append") << QStringLiteral("z") << "a\r\nb\r\n"s;
    }

    void undoTakesBackOnlyTheUsersEdits() {
        QFETCH(QString, typedAfterAppend);
        QFETCH(std::string, afterUndo);
        QPlainTextEdit edit;
        qt_ui::PlainTextBox box(edit);
        box.setText("a\r\n");
        edit.moveCursor(QTextCursor::End);
        typeText(&edit, QStringLiteral("b"));
        box.setText(box.text() + "\r\n");
        edit.moveCursor(QTextCursor::End);
        typeText(&edit, typedAfterAppend);

        QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);

        QCOMPARE(shown(edit), afterUndo);
    }

    // Typing, Enter and Shift+Enter come back with CR LF, and the next append follows them.
    void userEditsAreReadBackAndExtended() {
        QPlainTextEdit edit;
        qt_ui::PlainTextBox box(edit);
        box.setText("X = ?\r\n");
        edit.moveCursor(QTextCursor::End);

        typeText(&edit, QStringLiteral("мой"));
        QTest::keyClick(&edit, Qt::Key_Return);
        typeText(&edit, QStringLiteral("отговор"));
        QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(box.text(), "X = ?\r\nмой\r\nотговор\r\n"s);

        box.setText(box.text() + "A = 3; ");
        QCOMPARE(shown(edit), "X = ?\r\nмой\r\nотговор\r\nA = 3; "s);
    }
};

QTEST_MAIN(PlainTextBoxTest)
#include "plain_text_box_test.moc"
