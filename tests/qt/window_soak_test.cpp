#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "qt_ui/application.h"
#include "qt_ui/main_form.h"
#include "resident_memory.h"

namespace {

constexpr int kWarmUpCycles = 1000;
constexpr int kSoakCycles = 10000;
constexpr qint64 kAllowedGrowthKiB = 1024;

}  // namespace

// Teachers click "Задача" and "Сметки" for a whole lesson: the window must not grow with it.
class WindowSoakTest : public QObject {
    Q_OBJECT

private:
    void cycle(int count) {
        for (int i = 0; i < count; ++i) {
            make_->click();
            solve_->click();
            QApplication::processEvents();
        }
    }

    std::unique_ptr<qt_ui::MainForm> window_;
    QPushButton* make_ = nullptr;
    QPushButton* solve_ = nullptr;

private slots:
    void initTestCase() {
        if (bench::kUnderAddressSanitizer) {
            QSKIP("AddressSanitizer holds freed memory back, so resident memory says nothing here");
        }
        if (!bench::residentKiB()) {
            QSKIP("No /proc/self/status to read resident memory from");
        }
        qt_ui::prepareApplication();
        window_ = std::make_unique<qt_ui::MainForm>();  // problems drawn from the clock
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        make_ = window_->findChild<QPushButton*>(QStringLiteral("Command1_0"));
        solve_ = window_->findChild<QPushButton*>(QStringLiteral("Command1_1"));
        QVERIFY(make_ && solve_);
    }

    void residentMemoryStaysFlat() {
        cycle(kWarmUpCycles);
        const qint64 before = bench::residentKiB().value_or(0);
        QElapsedTimer timer;
        timer.start();
        cycle(kSoakCycles);
        const qint64 elapsedMs = timer.elapsed();
        const qint64 after = bench::residentKiB().value_or(0);

        qInfo("%d cycles in %lld ms; resident memory %lld KiB after warm-up, %lld KiB after",
              kSoakCycles, elapsedMs, before, after);
        QVERIFY2(after - before < kAllowedGrowthKiB,
                 qPrintable(QStringLiteral("grew by %1 KiB").arg(after - before)));
    }
};

QTEST_MAIN(WindowSoakTest)
#include "window_soak_test.moc"
