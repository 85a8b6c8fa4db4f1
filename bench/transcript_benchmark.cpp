// What "Сметки" and "Задача" cost when the transcript holds a lot of the user's own text,
// side by side with what Qt needs to show that text at all: "Сметки" appends only its few lines,
// so it must cost a fraction of one setPlainText of the whole text; "Задача" replaces
// everything, so it may cost what clearing the old text and setting the new one costs. A zoom
// step (Ctrl+Plus) lays the whole text out again in a larger font and must cost no more than one
// setPlainText of it.
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise. Usage: transcript_benchmark [runs]

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "engine/in_memory/scripted_random_source.h"
#include "qt_ui/application.h"
#include "qt_ui/main_form.h"

namespace {

const engine::in_memory::ProblemDraws kProblem{{7, 5, 12}, {1, 0, 2}, 2, 16};

struct Sample {
    double solveMs;
    double setPlainTextMs;
    long setPlainTextFaults;
    double zoomMs;
    long zoomFaults;
    double makeMs;
    double clearAndSetMs;
};

QString userText(qsizetype utf8Bytes) {
    const QString line = QStringLiteral("Пресмятам: 7 * 28 = 196; 196 / 12 = 16,33 (проверка)\n");
    const qsizetype lineBytes = line.toUtf8().size();
    QString text;
    for (qsizetype bytes = 0; bytes < utf8Bytes; bytes += lineBytes) {
        text += line;
    }
    return text;
}

void showExposed(QWidget& widget) {
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget)) {
        std::fprintf(stderr, "The window was not shown\n");
        std::exit(EXIT_FAILURE);
    }
}

// Pages the process touched for the first time. On a virtual machine each costs tens of
// microseconds, which can outweigh the work itself.
long pageFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt + usage.ru_majflt;
}

double timedMs(const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    QApplication::processEvents();  // layout and paint belong to the cost
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

Sample measure(const QString& text) {
    auto draws = std::make_unique<engine::in_memory::ScriptedRandomSource>();
    engine::in_memory::ScriptedRandomSource& script = *draws;
    qt_ui::MainForm window(std::move(draws));
    showExposed(window);
    auto* transcript = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1_0"));
    auto* make = window.findChild<QPushButton*>(QStringLiteral("Command1_0"));
    auto* solve = window.findChild<QPushButton*>(QStringLiteral("Command1_1"));

    // A plain editor shaped like the transcript: Qt's own cost for the same text.
    QPlainTextEdit plain;
    plain.setFont(transcript->font());
    plain.setLineWrapMode(transcript->lineWrapMode());
    plain.resize(transcript->size());
    showExposed(plain);

    script.queueProblem(kProblem);
    make->click();
    transcript->moveCursor(QTextCursor::End);
    transcript->insertPlainText(text);
    QApplication::processEvents();

    Sample sample{};
    sample.solveMs = timedMs([&] { solve->click(); });
    const QString whole = transcript->toPlainText();
    long faultsBefore = pageFaults();
    sample.setPlainTextMs = timedMs([&] { plain.setPlainText(whole); });
    sample.setPlainTextFaults = pageFaults() - faultsBefore;

    window.activateWindow();  // the window's keys act only while it is active
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "The window did not become active\n");
        std::exit(EXIT_FAILURE);
    }
    const QSize designed = window.size();
    faultsBefore = pageFaults();
    sample.zoomMs =
        timedMs([&] { QTest::keyClick(transcript, Qt::Key_Plus, Qt::ControlModifier); });
    sample.zoomFaults = pageFaults() - faultsBefore;
    if (window.size() == designed) {
        std::fprintf(stderr, "Ctrl+Plus did not zoom the window\n");
        std::exit(EXIT_FAILURE);
    }
    QTest::keyClick(transcript, Qt::Key_0, Qt::ControlModifier);
    QApplication::processEvents();

    // A last word from the user, so the window cannot rely on what it wrote itself.
    transcript->moveCursor(QTextCursor::End);
    transcript->insertPlainText(QStringLiteral("Готово."));
    QApplication::processEvents();
    script.queueProblem(kProblem);
    sample.makeMs = timedMs([&] { make->click(); });
    const QString problem = transcript->toPlainText();
    sample.clearAndSetMs = timedMs([&] {
        plain.clear();
        plain.setPlainText(problem);
    });
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(qsizetype bytes, const std::vector<Sample>& samples) {
    std::vector<double> solve, set, zoom, make, clearSet, solveRatio, zoomRatio, makeRatio;
    std::vector<double> setFaults, zoomFaults;
    for (const Sample& sample : samples) {
        setFaults.push_back(static_cast<double>(sample.setPlainTextFaults));
        zoomFaults.push_back(static_cast<double>(sample.zoomFaults));
        solve.push_back(sample.solveMs);
        set.push_back(sample.setPlainTextMs);
        zoom.push_back(sample.zoomMs);
        zoomRatio.push_back(sample.zoomMs / sample.setPlainTextMs);
        make.push_back(sample.makeMs);
        clearSet.push_back(sample.clearAndSetMs);
        solveRatio.push_back(sample.solveMs / sample.setPlainTextMs);
        makeRatio.push_back(sample.makeMs / sample.clearAndSetMs);
    }
    std::printf("%5lld KiB of user text, median of %zu runs:\n",
                static_cast<long long>(bytes / 1024), samples.size());
    std::printf("  Сметки %8.2f ms   setPlainText of the same text %8.2f ms   ratio %.3f\n",
                median(solve), median(set), median(solveRatio));
    std::printf("  zoom   %8.2f ms   setPlainText of the same text %8.2f ms   ratio %.3f\n",
                median(zoom), median(set), median(zoomRatio));
    std::printf("         page faults: zoom %.0f, setPlainText %.0f\n", median(zoomFaults),
                median(setFaults));
    std::printf("  Задача %8.2f ms   clear + setPlainText of the problem %5.2f ms   ratio %.3f\n",
                median(make), median(clearSet), median(makeRatio));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    qt_ui::prepareApplication();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    for (const qsizetype bytes : {qsizetype{64} * 1024, qsizetype{1024} * 1024}) {
        const QString text = userText(bytes);
        std::vector<Sample> samples;
        for (int run = 0; run < runs; ++run) {
            samples.push_back(measure(text));
        }
        report(bytes, samples);
    }
    return 0;
}
