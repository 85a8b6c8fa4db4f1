#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <memory>
#include <string>

#include "design/main_form_design.h"
#include "design/scaling.h"
#include "engine/form_controls.h"
#include "engine/in_memory/scripted_random_source.h"
#include "engine/scenario_templates.h"
#include "example_problem.h"
#include "qt_ui/application.h"
#include "qt_ui/main_form.h"
#include "qt_ui/plain_text_box.h"
#include "typing.h"
#include "window_driver.h"

using engine::in_memory::ProblemDraws;
using namespace std::string_literals;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(ProblemDraws)

namespace {

QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

}  // namespace

class MainWindowTest : public QObject, protected WindowDriver {
    Q_OBJECT

private:
    QStringList checkedOptions() const {
        QStringList names;
        for (const QRadioButton* option : window_->findChildren<QRadioButton*>()) {
            if (option->isChecked()) {
                names << option->objectName();
            }
        }
        return names;
    }

private slots:
    void initTestCase() { qt_ui::prepareApplication(); }
    void init() {
        QLocale::setDefault(QLocale::c());
        makeWindow();
    }
    void cleanup() { window_.reset(); }

    void startsWithIntroductionAndSolveDisabled() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));

        QCOMPARE(window_->size(), QSize(466, 324));
        QVERIFY(checkedOptions().isEmpty());
        QVERIFY(command(0)->isEnabled());
        QVERIFY(!command(1)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), transcriptEdit());

        QCOMPARE(transcript(), std::string(design::mainForm().introText));
        QCOMPARE(control<QListWidget>("List1_0")->item(0)->text(), QStringLiteral("11"));
        QCOMPARE(control<QListWidget>("List1_16")->count(), engine::kFragmentCount);
    }

    void controlsSitWhereDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");

        QTest::newRow("frame") << "Frame1" << twips(600, 480, 5175, 855);
        QTest::newRow("option F") << "Option1_5" << twips(3840, 360, 615, 285);
        QTest::newRow("Сметки") << "Command1_1" << twips(5880, 1080, 975, 375);
        QTest::newRow("transcript") << "Text1_0" << twips(480, 1800, 6015, 2775);
        QTest::newRow("numbers") << "List1_0" << twips(480, 4440, 855, 1485);
        QTest::newRow("scenario 16") << "List1_16" << twips(6960, 4560, 855, 1485);
    }

    void controlsSitWhereDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        const auto* widget = window_->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    void captionsAreExact_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");

        QTest::newRow("label") << "Label1"
                               << "Математика - пропорция, сложно тройно правило ";
        QTest::newRow("frame") << "Frame1"
                               << "Сложно тройно правило:   A*B*F = C*D*E";
        QTest::newRow("Задача") << "Command1_0"
                                << "Задача";
        QTest::newRow("Сметки") << "Command1_1"
                                << "Сметки";
        QTest::newRow("option A") << "Option1_0"
                                  << "A";
        QTest::newRow("option F") << "Option1_5"
                                  << "F";
    }

    void captionsAreExact() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        const QObject* widget = window_->findChild<QWidget*>(name);
        QVERIFY(widget);
        const QByteArray property = qobject_cast<const QGroupBox*>(widget) ? "title" : "text";
        QCOMPARE(widget->property(property).toString(), caption);
    }

    // Sampled from the rendered window, so a colour set on the wrong palette role shows.
    void coloursShowAsDesigned_data() {
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<QColor>("colour");

        QTest::newRow("window") << QPoint(5, 40) << QColor(0xC0, 0xC0, 0xFF);
        QTest::newRow("label") << QPoint(26, 2) << QColor(0xFF, 0xC0, 0x80);
        QTest::newRow("option F") << QPoint(40 + 256 + 39, 32 + 24 + 2) << QColor(0xFF, 0xC0, 0xFF);
        QTest::newRow("Задача face") << QPoint(394, 44) << QColor(0x80, 0xFF, 0x80);
        QTest::newRow("Сметки face, disabled") << QPoint(394, 76) << QColor(0x80, 0x80, 0xFF);
    }

    void coloursShowAsDesigned() {
        QFETCH(QPoint, where);
        QFETCH(QColor, colour);
        const QImage image = window_->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        QCOMPARE(image.pixelColor((QPointF(where) * scale).toPoint()), colour);
    }

    void fontIsTimesMetricWithCyrillic() {
        for (const QWidget* widget : window_->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty()) {
                continue;  // a widget's own parts, such as scroll bars
            }
            const QFontInfo font(widget->font());
            QVERIFY2(font.family() == QLatin1String("Liberation Serif") ||
                         font.family() == QLatin1String("Times New Roman"),
                     qPrintable(widget->objectName() + QLatin1String(": ") + font.family()));
            QCOMPARE(font.pointSize(), 12);
            QVERIFY(!font.bold() && !font.italic());
            QVERIFY(QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Cyrillic));
        }
    }

    // The lists lay their rows out from one measured item. That draws what measuring every item
    // would, as long as each item is exactly as tall as that row and no row is narrower than the
    // list.
    void listRowsFitEveryItem_data() {
        QTest::addColumn<bool>("afterProblem");
        QTest::newRow("design-time items") << false;
        QTest::newRow("numbers of a problem") << true;
    }

    void listRowsFitEveryItem() {
        QFETCH(bool, afterProblem);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        if (afterProblem) {
            pose(kExample);
        }
        for (const QListWidget* list : window_->findChildren<QListWidget*>()) {
            for (int row = 0; row < list->count(); ++row) {
                const QRect drawn = list->visualItemRect(list->item(row));
                const QString where =
                    list->objectName() + QLatin1String(", row ") + QString::number(row);
                QVERIFY2(drawn.height() == list->sizeHintForRow(row), qPrintable(where));
                QVERIFY2(drawn.width() >= list->viewport()->width(), qPrintable(where));
            }
        }
    }

    void tabOrderFollowsTheDesign() {
        QStringList expected{QStringLiteral("Text1_0")};
        for (int i = 0; i <= 10; ++i)
            expected << QStringLiteral("List1_%1").arg(i);
        expected << QStringLiteral("Command1_0");
        for (int i = 0; i < 6; ++i)
            expected << QStringLiteral("Option1_%1").arg(i);
        expected << QStringLiteral("Command1_1");
        for (int i = 11; i <= 16; ++i)
            expected << QStringLiteral("List1_%1").arg(i);

        // Every control that can take the focus, in the order of the chain; the option group is
        // entered at one button only (below).
        QStringList chain;
        QWidget* widget = transcriptEdit();
        do {
            if (widget->focusPolicy() != Qt::NoFocus && !widget->objectName().isEmpty()) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != transcriptEdit());
        QCOMPARE(chain, expected);
    }

    // The option group is one stop of the Tab key, entered on the marked letter (or on "A" when
    // none is marked) from either side; the arrow keys move within it. Before a problem is
    // posed, "Сметки" is disabled and passed over.
    void optionGroupIsOneTabStop_data() {
        QTest::addColumn<bool>("posed");
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("afterArrow");
        QTest::addColumn<QString>("leftTo");

        // clang-format off
        QTest::newRow("none marked, Tab")
            << false << "Command1_0" << false << "Option1_0" << "Option1_1" << "List1_11";
        QTest::newRow("none marked, Shift+Tab")
            << false << "List1_11" << true << "Option1_0" << "Option1_1" << "Command1_0";
        QTest::newRow("B marked, Tab")
            << true << "Command1_0" << false << "Option1_1" << "Option1_2" << "Command1_1";
        QTest::newRow("B marked, Shift+Tab")
            << true << "Command1_1" << true << "Option1_1" << "Option1_2" << "Command1_0";
        // clang-format on
    }

    void optionGroupIsOneTabStop() {
        QFETCH(bool, posed);
        QFETCH(QString, from);
        QFETCH(bool, backwards);
        QFETCH(QString, entered);
        QFETCH(QString, afterArrow);
        QFETCH(QString, leftTo);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        if (posed) {
            pose(kExample);  // unknown B
        }
        // Visit the group once and leave it, as a user might before the marked letter changes.
        control<QRadioButton>("Option1_4")->setFocus(Qt::TabFocusReason);
        control<QWidget>(qPrintable(from))->setFocus(Qt::TabFocusReason);
        const auto key = backwards ? Qt::Key_Backtab : Qt::Key_Tab;

        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget()->objectName(), entered);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget()->objectName(), afterArrow);
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget()->objectName(), leftTo);
    }

    void titleIconAndNamesForScreenReaders() {
        QVERIFY(window_->windowTitle().endsWith(QStringLiteral("  Математика - пропорция")));
        QVERIFY(window_->windowIcon().availableSizes().contains(QSize(32, 32)));
        for (const QWidget* widget : window_->findChildren<QWidget*>()) {
            if (widget->focusPolicy() != Qt::NoFocus && !widget->objectName().isEmpty()) {
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
            }
        }
        QVERIFY(!control<QGroupBox>("Frame1")->accessibleName().isEmpty());
        // Qt's own texts are Bulgarian too, where the translations are installed.
        const std::unique_ptr<QMenu> menu(transcriptEdit()->createStandardContextMenu());
        QVERIFY(menu->actions().constFirst()->text().startsWith(QStringLiteral("&Отмяна")));
    }

    void makeAndSolveCycle() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        pose(kExample);
        QCOMPARE(checkedOptions(), QStringList{QStringLiteral("Option1_1")});
        QCOMPARE(transcript(), kExamplePosed);
        QVERIFY(command(1)->isEnabled());
        QCOMPARE(control<QListWidget>("List1_0")->item(3)->text(), QStringLiteral("28"));

        // Picking another letter by hand is allowed and changes nothing that is solved.
        QTest::mouseClick(control<QRadioButton>("Option1_4"), Qt::LeftButton);
        QCOMPARE(checkedOptions(), QStringList{QStringLiteral("Option1_4")});

        command(1)->setFocus();
        click(1);
        QCOMPARE(transcript(), kExamplePosed + kExampleSolution);
        QVERIFY(!command(1)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), command(0));

        click(1);  // disabled: nothing happens
        QCOMPARE(transcript(), kExamplePosed + kExampleSolution);

        pose({{3, 3, 3}, {0, 0, 0}, 1, 1});
        QCOMPARE(checkedOptions(), QStringList{QStringLiteral("Option1_0")});
        QVERIFY(transcript().starts_with("Примерен текст на условие:\r\nАко X крана"));
    }

    void answerUsesTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<ProblemDraws>("draws");
        QTest::addColumn<std::string>("answerLine");

        QTest::newRow("Bulgarian decimal comma") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria)
                                                 << ProblemDraws{{5, 12, 7}, {1, 0, 3}, 1, 1}
                                                 << "X = (7 * 20 * 24) / (12 * 112) = 2,5\r\n"s;
        QTest::newRow("English, no grouping") << QLocale(QLocale::English, QLocale::UnitedStates)
                                              << ProblemDraws{{3, 3, 19}, {2, 2, 0}, 6, 1}
                                              << "X = (19 * 24 * 24) / (3 * 3) = 1216\r\n"s;
    }

    void answerUsesTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(ProblemDraws, draws);
        QFETCH(std::string, answerLine);
        QLocale::setDefault(locale);
        makeWindow();

        pose(draws);
        click(1);
        QVERIFY2(transcript().ends_with(answerLine), transcript().c_str());
    }

    // What the user types stays; the solution follows it, with no line break added.
    void userTypingIsKept_data() {
        QTest::addColumn<bool>("removeFinalLineBreak");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::string>("expected");

        const std::string posedWithoutBreak = kExamplePosed.substr(0, kExamplePosed.size() - 2);
        QTest::newRow("after the question") << false << QStringLiteral("мисля, че 5")
                                            << kExamplePosed + "мисля, че 5" + kExampleSolution;
        QTest::newRow("on the question's line")
            << true << QStringLiteral(" 5?") << posedWithoutBreak + " 5?" + kExampleSolution;
    }

    void userTypingIsKept() {
        QFETCH(bool, removeFinalLineBreak);
        QFETCH(QString, typed);
        QFETCH(std::string, expected);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        pose(kExample);

        QPlainTextEdit* edit = transcriptEdit();
        edit->moveCursor(QTextCursor::End);
        if (removeFinalLineBreak) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        typeText(edit, typed);
        click(1);

        QCOMPARE(transcript(), expected);
    }

    // After each command the view ends where the transcript ends, its newest line whole, at
    // every zoom step and however many lines the pupil added before it.
    void viewFollowsTheNewestLines_data() {
        QTest::addColumn<int>("percent");
        for (const int percent : design::kZoomStepsPercent) {
            QTest::addRow("%d %%", percent) << percent;
        }
    }

    void viewFollowsTheNewestLines() {
        QFETCH(int, percent);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        const design::PixelSize zoomed =
            design::scaledSize(design::mainForm().clientArea, percent / 100.0);
        window_->resize(zoomed.width, zoomed.height);
        QPlainTextEdit* edit = transcriptEdit();
        const QScrollBar* scrollBar = edit->verticalScrollBar();

        for (const int command : {engine::kMakeProblemCommand, engine::kSolveCommand}) {
            edit->moveCursor(QTextCursor::End);
            for (int line = 0; line < 30; ++line) {
                QTest::keyClick(edit, Qt::Key_Return);
            }
            edit->moveCursor(QTextCursor::Start);
            edit->ensureCursorVisible();
            if (command == engine::kMakeProblemCommand) {
                draws_->queueProblem(kExample);
            }

            click(command);

            QCOMPARE(scrollBar->value(), scrollBar->maximum());
            QTextCursor newestLine(edit->document()->lastBlock().previous());
            newestLine.movePosition(QTextCursor::EndOfBlock);
            QVERIFY2(edit->viewport()->rect().contains(edit->cursorRect(newestLine)),
                     qPrintable(edit->document()->lastBlock().previous().text()));
        }
        QVERIFY(scrollBar->maximum() > 0);
    }

    // A command that fails is told in a message box of the window's, with the presenter's title,
    // text and advice; once it is closed, the window goes on working.
    void failedCommandIsReportedInAMessageBox() {
        pose(kExample);
        control<QListWidget>("List1_0")->item(2)->setText(QStringLiteral("abc"));

        QStringList reported;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reported = {box->windowTitle(), box->text(), box->informativeText()};
                box->accept();
            }
        });
        closer.start(10);
        click(1);
        closer.stop();

        QCOMPARE(reported,
                 (QStringList{QStringLiteral("Грешка при изпълнение"),
                              QStringLiteral("В списъка с числа има запис, който не е число."),
                              QStringLiteral("Написаното дотук е запазено и програмата продължава "
                                             "работа. Натиснете „Задача“ за нова задача.")}));
        pose(kExample);
        click(1);
        QCOMPARE(transcript(), kExamplePosed + kExampleSolution);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
