// The window enlarged for a projector, on an offscreen screen of 1920 × 1080: the design scales as
// one picture, the keys step and switch it, and nothing the user sees or did is lost.

#include <QApplication>
#include <QFontInfo>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <cmath>
#include <string>

#include "design/main_form_design.h"
#include "example_problem.h"
#include "qt_ui/application.h"
#include "typing.h"
#include "window_driver.h"

namespace {

constexpr QSize kDesigned(466, 324);
const QColor kWindowColour(0xC0, 0xC0, 0xFF);

QList<QKeySequence> times(int count, const QKeySequence& keys) {
    return QList<QKeySequence>(count, keys);
}

const QKeySequence kZoomIn(Qt::CTRL | Qt::Key_Plus);
const QKeySequence kZoomOut(Qt::CTRL | Qt::Key_Minus);
const QKeySequence kZoomReset(Qt::CTRL | Qt::Key_0);
const QKeySequence kFullScreen(Qt::Key_F11);
const QKeySequence kEscape(Qt::Key_Escape);

// Where a place in twips lies at a scale, before any rounding.
QRectF exactly(const design::Twips& place, double scale) {
    const double pixels = scale / design::kTwipsPerPixelAt96Dpi;
    return QRectF(place.left * pixels, place.top * pixels, place.width * pixels,
                  place.height * pixels);
}

bool withinAPixel(const QRect& actual, const QRectF& expected) {
    return std::abs(actual.left() - expected.left()) <= 1 &&
           std::abs(actual.top() - expected.top()) <= 1 &&
           std::abs(actual.width() - expected.width()) <= 1 &&
           std::abs(actual.height() - expected.height()) <= 1;
}

// A point of a control's face that its caption leaves free.
QPoint clearOfCaption(const QRectF& rect) {
    return (rect.topLeft() + QPointF(rect.width() * 0.06, rect.height() * 0.3)).toPoint();
}

}  // namespace

class WindowScalingTest : public QObject, protected WindowDriver {
    Q_OBJECT

private:
    void showActive() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    // One key after another, each once the window has taken in the one before, as a person
    // types them.
    void press(const QList<QKeySequence>& keys) {
        for (const QKeySequence& key : keys) {
            QTest::keySequence(QApplication::focusWidget(), key);
            QApplication::processEvents();
        }
    }

    QWidget* designArea() const { return control<QWidget>("Label1")->parentWidget(); }

private slots:
    void initTestCase() { qt_ui::prepareApplication(); }
    void init() { makeWindow(); }
    void cleanup() { window_.reset(); }

    // Each control at its twips times the scale, within a pixel; the font at the scaled size;
    // the design centred with the window's colour around it, and the list strip ending at the
    // design's bottom edge.
    void designScalesAsOnePicture_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("offset");

        QTest::newRow("twice") << QSize(932, 648) << 2.0 << QPoint(0, 0);
        QTest::newRow("three times") << QSize(1398, 972) << 3.0 << QPoint(0, 0);
        QTest::newRow("twice, wide") << QSize(1398, 648) << 2.0 << QPoint(233, 0);
        QTest::newRow("twice, tall") << QSize(932, 900) << 2.0 << QPoint(0, 126);
        QTest::newRow("full HD") << QSize(1920, 1080) << 1080.0 / 324 << QPoint(183, 0);
    }

    void designScalesAsOnePicture() {
        QFETCH(QSize, window);
        QFETCH(double, scale);
        QFETCH(QPoint, offset);
        showActive();
        const int circleAtDesign = control<QRadioButton>("Option1_0")
                                       ->style()
                                       ->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
        window_->resize(window);
        QApplication::processEvents();

        const design::WindowDesign& design = design::mainForm();
        QVERIFY(withinAPixel(designArea()->geometry(),
                             exactly(design.clientArea, scale).translated(offset)));
        for (const design::Control& place : design.controls) {
            const QString name = QString::fromStdString(design::objectName(place.id));
            const auto* widget = window_->findChild<QWidget*>(name);
            QVERIFY2(withinAPixel(widget->geometry(), exactly(place.place, scale)),
                     qPrintable(name));
            QCOMPARE(widget->font().pointSizeF(), 12 * scale);
            QVERIFY2(std::abs(QFontInfo(widget->font()).pixelSize() - 16 * scale) <= 1,
                     qPrintable(name));
        }
        const int circle = control<QRadioButton>("Option1_0")
                               ->style()
                               ->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
        QVERIFY(std::abs(circle - circleAtDesign * scale) <= 1);

        const QImage image = window_->grab().toImage();
        const auto colourAt = [&](const design::Twips& twips) {
            return image.pixelColor(clearOfCaption(exactly(twips, scale)) + offset);
        };
        QCOMPARE(colourAt(design::control({"Command1", 0}).place), QColor(0x80, 0xFF, 0x80));
        QCOMPARE(colourAt(design::control({"Command1", 1}).place), QColor(0x80, 0x80, 0xFF));
        QCOMPARE(colourAt(design::control({"Label1"}).place), QColor(0xFF, 0xC0, 0x80));
        const QRect picture = designArea()->geometry();
        if (offset.x() > 0) {
            QCOMPARE(image.pixelColor(offset.x() / 2, window.height() / 2), kWindowColour);
        }
        if (offset.y() > 0) {
            const int belowTheStrip = picture.bottom() + (window.height() - picture.bottom()) / 2;
            QCOMPARE(image.pixelColor(window.width() / 2, belowTheStrip), kWindowColour);
        }
    }

    // The keys reach the window's sizing (presenter::WindowSizing, whose rows are in the
    // presenter's tests) from the keyboard's focus in the transcript, which types none of them.
    void zoomKeysStepTheWindow_data() {
        QTest::addColumn<QList<QKeySequence>>("keys");
        QTest::addColumn<QSize>("window");

        QTest::newRow("in, without Shift")
            << times(1, QKeySequence(Qt::CTRL | Qt::Key_Equal)) << QSize(583, 405);
        QTest::newRow("in, on the keypad")
            << times(1, QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus))
            << QSize(583, 405);
        QTest::newRow("in twice, out on the keypad")
            << (times(2, kZoomIn) << QKeySequence(Qt::ControlModifier | Qt::KeypadModifier |
                                                  Qt::Key_Minus))
            << QSize(583, 405);
        QTest::newRow("in four times, reset") << (times(4, kZoomIn) << kZoomReset) << kDesigned;
    }

    void zoomKeysStepTheWindow() {
        QFETCH(QList<QKeySequence>, keys);
        QFETCH(QSize, window);
        showActive();
        const std::string before = transcript();

        press(keys);

        QCOMPARE(window_->size(), window);
        QCOMPARE(designArea()->geometry(), QRect(QPoint(0, 0), window));
        QCOMPARE(transcript(), before);
    }

    // Full screen and maximised fill the screen; a zoom step is a window's size, so it leaves
    // them, except where no step is larger.
    void fullScreenAndBack_data() {
        QTest::addColumn<Qt::WindowState>("from");
        QTest::addColumn<QList<QKeySequence>>("keys");
        QTest::addColumn<Qt::WindowStates>("state");
        QTest::addColumn<QSize>("window");

        const QSize screen(1920, 1080);
        QTest::newRow("F11") << Qt::WindowNoState << times(1, kFullScreen)
                             << Qt::WindowStates(Qt::WindowFullScreen) << screen;
        QTest::newRow("F11, Esc") << Qt::WindowNoState << (times(1, kFullScreen) << kEscape)
                                  << Qt::WindowStates() << kDesigned;
        QTest::newRow("full screen, in") << Qt::WindowFullScreen << times(1, kZoomIn)
                                         << Qt::WindowStates(Qt::WindowFullScreen) << screen;
        QTest::newRow("full screen, out")
            << Qt::WindowFullScreen << times(1, kZoomOut) << Qt::WindowStates() << QSize(1398, 972);
        QTest::newRow("maximised, F11, Esc")
            << Qt::WindowMaximized << (times(1, kFullScreen) << kEscape)
            << Qt::WindowStates(Qt::WindowMaximized) << QSize(1916, 1076);
        QTest::newRow("maximised, out")
            << Qt::WindowMaximized << times(1, kZoomOut) << Qt::WindowStates() << QSize(1398, 972);
    }

    void fullScreenAndBack() {
        QFETCH(Qt::WindowState, from);
        QFETCH(QList<QKeySequence>, keys);
        QFETCH(Qt::WindowStates, state);
        QFETCH(QSize, window);
        window_->setWindowState(from);
        showActive();

        press(keys);

        QCOMPARE(window_->windowState(), state);
        QCOMPARE(window_->size(), window);
        const double scale = std::min(window.width() / 466.0, window.height() / 324.0);
        QVERIFY(withinAPixel(control<QWidget>("Command1_0")->geometry(),
                             exactly(design::control({"Command1", 0}).place, scale)));
    }

    // Held down, F11 comes again and again: the window goes full screen once, and stays.
    void heldF11GoesFullScreenOnce() {
        showActive();
        QWidget* focused = QApplication::focusWidget();
        for (const bool repeated : {false, true, true, true}) {
            QTest::simulateEvent(focused, true, Qt::Key_F11, Qt::NoModifier, QString(), repeated);
            QApplication::processEvents();
        }
        QTest::simulateEvent(focused, false, Qt::Key_F11, Qt::NoModifier, QString(), false);
        QCOMPARE(window_->windowState(), Qt::WindowStates(Qt::WindowFullScreen));
    }

    // A window near the screen's corner grows about its centre and moves only as far as it must
    // to stay on the screen, frame and all; from full screen it comes back there.
    void zoomedWindowStaysOnTheScreen_data() {
        QTest::addColumn<QList<QKeySequence>>("keys");
        QTest::addColumn<QSize>("window");

        QTest::newRow("in three times") << times(3, kZoomIn) << QSize(932, 648);
        QTest::newRow("full screen, out")
            << (times(1, kFullScreen) << kZoomOut) << QSize(1398, 972);
    }

    void zoomedWindowStaysOnTheScreen() {
        QFETCH(QList<QKeySequence>, keys);
        QFETCH(QSize, window);
        window_->move(1700, 900);
        showActive();

        press(keys);

        QCOMPARE(window_->size(), window);
        const QRect screen = window_->screen()->availableGeometry();
        QVERIFY2(screen.contains(window_->frameGeometry()),
                 qPrintable(QStringLiteral("at %1, %2").arg(window_->x()).arg(window_->y())));
    }

    // A step keeps the frame's centre as the shared rule places it: 100 + (470 - 587) / 2.
    void zoomStepKeepsTheFramesCentre() {
        window_->move(100, 100);
        showActive();
        const int frameWidth = window_->frameGeometry().width();

        press({kZoomIn});

        QCOMPARE(window_->frameGeometry().width(), frameWidth + 583 - 466);
        QCOMPARE(window_->frameGeometry().x(), 100 + (frameWidth - (frameWidth + 117)) / 2);
    }

    // The transcript's text with the pupil's own lines, the caret and selection, the scrolled
    // view, the marked letter and the solve button's state stay through every change of scale.
    void stateSurvivesScaling() {
        showActive();
        pose(kExample);
        QPlainTextEdit* edit = transcriptEdit();
        edit->moveCursor(QTextCursor::End);
        for (int line = 1; line <= 60; ++line) {
            typeText(edit, QStringLiteral("ред %1 от сметките на ученика").arg(line));
            QTest::keyClick(edit, Qt::Key_Return);
        }
        QTest::mouseClick(control<QRadioButton>("Option1_4"), Qt::LeftButton);
        edit->setFocus();
        QTextCursor selection(edit->document()->findBlockByNumber(30));
        selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        edit->setTextCursor(selection);
        edit->verticalScrollBar()->setValue(25);
        const auto topBlock = [edit] {
            return edit->cursorForPosition(QPoint(1, 1)).blockNumber();
        };

        const std::string text = transcript();
        const int anchor = edit->textCursor().anchor();
        const int position = edit->textCursor().position();
        const int top = topBlock();
        QVERIFY(top > 0);

        const auto expectUnchanged = [&](const char* after) {
            QApplication::processEvents();
            QVERIFY2(transcript() == text, after);
            QVERIFY2(edit->textCursor().anchor() == anchor, after);
            QVERIFY2(edit->textCursor().position() == position, after);
            QVERIFY2(topBlock() == top, after);
            QVERIFY2(control<QRadioButton>("Option1_4")->isChecked(), after);
            QVERIFY2(command(1)->isEnabled(), after);
            QVERIFY2(QApplication::focusWidget() == edit, after);
            QVERIFY2(edit->document()->isUndoAvailable(), after);
        };
        window_->resize(932, 648);
        expectUnchanged("resized to twice");
        window_->resize(1398, 972);
        expectUnchanged("resized to three times");
        press({kFullScreen});
        expectUnchanged("full screen");
        press({kZoomReset});
        expectUnchanged("back to the design");
        press(times(2, kZoomIn));
        expectUnchanged("zoomed to 150 %");
    }
};

QTEST_MAIN(WindowScalingTest)
#include "window_scaling_test.moc"
