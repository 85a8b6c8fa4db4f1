#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <ctime>
#include <string>

#include "example_problem.h"
#include "qt_ui/application.h"
#include "typing.h"
#include "window_driver.h"

using namespace std::string_literals;

Q_DECLARE_METATYPE(std::string)

namespace {

// Pupils' working as they might paste it: Cyrillic, digits, a fake answer, a very long line.
QString pastedText(qsizetype utf8Bytes) {
    const QString line = QStringLiteral("Пресмятам: A = 99; B = 1; X = (1 * 2) / 3 = 42\n");
    const QString longLine = QString(4096, QLatin1Char('7')) + QLatin1Char('\n');
    QString text;
    qsizetype bytes = 0;
    while (bytes < utf8Bytes) {
        const QString& piece = (text.size() % 50 == 0) ? longLine : line;
        text += piece;
        bytes += piece.toUtf8().size();
    }
    return text;
}

// The transcript as the engine reads pasted text back: each line break as CR LF.
std::string withCrLf(const QString& text) {
    std::string result;
    for (const char character : text.toStdString()) {
        if (character == '\n') {
            result += '\r';
        }
        result += character;
    }
    return result;
}

}  // namespace

// Whatever the user puts into the transcript, the commands stay quick and keep to their texts,
// and the numbers of the posed problem stay as drawn.
class HostileInputTest : public QObject, protected WindowDriver {
    Q_OBJECT

private:
    void paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        transcriptEdit()->paste();
    }

    // Processor time, not wall time: a command that does too much work shows, while other
    // programs keeping the machine busy do not make the test fail.
    qint64 timedClick(int index) {
        const std::clock_t start = std::clock();
        click(index);
        QApplication::processEvents();
        return static_cast<qint64>(std::clock() - start) * 1000 / CLOCKS_PER_SEC;
    }

private slots:
    void initTestCase() {
        qt_ui::prepareApplication();
        QLocale::setDefault(QLocale::c());
    }
    void init() {
        makeWindow();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void tenMebibytePasteKeepsCommandsQuick() {
        const QString pasted = pastedText(10 * 1024 * 1024);
        pose(kExample);
        transcriptEdit()->moveCursor(QTextCursor::End);
        paste(pasted);

        const qint64 solveMs = timedClick(1);
        const std::string afterSolve = transcript();
        QCOMPARE(afterSolve.size(),
                 kExamplePosed.size() + withCrLf(pasted).size() + kExampleSolution.size());
        QVERIFY(afterSolve == kExamplePosed + withCrLf(pasted) + kExampleSolution);

        draws_->queueProblem(kExample);
        const qint64 makeMs = timedClick(0);
        QCOMPARE(transcript(), kExamplePosed);

        qInfo("Сметки after a 10 MiB paste: %lld ms, Задача: %lld ms", solveMs, makeMs);
        QVERIFY2(solveMs < 1000, qPrintable(QString::number(solveMs)));
        QVERIFY2(makeMs < 1000, qPrintable(QString::number(makeMs)));
    }

    // The numbers come from the lists, never from the transcript.
    void editingThePosedProblemKeepsItsNumbers_data() {
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::string>("expected");

        QTest::newRow("paste over the whole problem")
            << true << QStringLiteral("Ако 1 лекар за X часа преглежда 1 пациент.\nX = ?\n")
            << QString()
            << "Ако 1 лекар за X часа преглежда 1 пациент.\r\nX = ?\r\n"s + kExampleSolution;
        QTest::newRow("paste numbers after the question")
            << false << QStringLiteral("A = 1; C = 2; D = 3\n") << QString()
            << kExamplePosed + "A = 1; C = 2; D = 3\r\n" + kExampleSolution;
        QTest::newRow("type a fake answer") << false << QString() << QStringLiteral("X = 0")
                                            << kExamplePosed + "X = 0" + kExampleSolution;
        // Not UTF-8, a NUL inside, a lone CR at the end (shown as a line break).
        const QByteArray oddBytes("\xff\xfe zero\0 end\r", 13);
        QTest::newRow("paste invalid input, NUL and a lone CR")
            << false << QString::fromUtf8(oddBytes) << QString()
            << kExamplePosed + withCrLf(QString::fromUtf8(oddBytes).replace(u'\r', u'\n')) +
                   kExampleSolution;
    }

    void editingThePosedProblemKeepsItsNumbers() {
        QFETCH(bool, selectAll);
        QFETCH(QString, pasted);
        QFETCH(QString, typed);
        QFETCH(std::string, expected);
        pose(kExample);

        QPlainTextEdit* edit = transcriptEdit();
        if (selectAll) {
            edit->selectAll();
        } else {
            edit->moveCursor(QTextCursor::End);
        }
        if (!pasted.isEmpty()) {
            paste(pasted);
        }
        typeText(edit, typed);
        click(1);

        QCOMPARE(transcript(), expected);
    }

    // Whatever an editor offers first, the transcript takes its plain text only: no bold, no
    // frame marks, nothing that the appended solution would inherit.
    void pasteTakesPlainTextOnly_data() {
        QTest::addColumn<QStringList>("formats");  // format, data, format, data, ...
        QTest::addColumn<std::string>("pasted");

        QTest::newRow("Markdown first")
            << QStringList{QStringLiteral("text/markdown"), QStringLiteral("**жирно**\n\n> цитат"),
                           QStringLiteral("text/plain"), QStringLiteral("**жирно**\n\n> цитат")}
            << "**жирно**\r\n\r\n> цитат"s;
        QTest::newRow("HTML first")
            << QStringList{QStringLiteral("text/html"), QStringLiteral("<b>жирно</b>"),
                           QStringLiteral("text/plain"), QStringLiteral("жирно")}
            << "жирно"s;
        QTest::newRow("no plain text")
            << QStringList{QStringLiteral("text/markdown"), QStringLiteral("**жирно**")} << ""s;
    }

    void pasteTakesPlainTextOnly() {
        QFETCH(QStringList, formats);
        QFETCH(std::string, pasted);
        pose(kExample);
        auto* offered = new QMimeData;
        for (qsizetype i = 0; i + 1 < formats.size(); i += 2) {
            offered->setData(formats[i], formats[i + 1].toUtf8());
        }
        QApplication::clipboard()->setMimeData(offered);
        transcriptEdit()->moveCursor(QTextCursor::End);
        transcriptEdit()->paste();
        click(1);

        QCOMPARE(transcript(), kExamplePosed + pasted + kExampleSolution);
        for (QTextBlock block = transcriptEdit()->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                QCOMPARE(fragment.fragment().charFormat().fontWeight(), int(QFont::Normal));
            }
        }
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
