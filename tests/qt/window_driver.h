#pragma once

#include <QLatin1String>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>

#include "engine/in_memory/scripted_random_source.h"
#include "qt_ui/main_form.h"
#include "qt_ui/plain_text_box.h"

// The window with scripted draws, and its controls reached by object name. Window tests derive
// from it next to QObject.
class WindowDriver {
protected:
    void makeWindow() {
        auto draws = std::make_unique<engine::in_memory::ScriptedRandomSource>();
        draws_ = draws.get();
        window_ = std::make_unique<qt_ui::MainForm>(std::move(draws));
    }

    template <typename Widget>
    Widget* control(const char* name) const {
        return window_->findChild<Widget*>(QLatin1String(name));
    }
    QPlainTextEdit* transcriptEdit() const { return control<QPlainTextEdit>("Text1_0"); }
    QPushButton* command(int index) const {
        return index == 0 ? control<QPushButton>("Command1_0") : control<QPushButton>("Command1_1");
    }

    // The transcript as the engine reads it: CR LF line ends.
    std::string transcript() const { return qt_ui::PlainTextBox(*transcriptEdit()).text(); }

    void click(int index) { QTest::mouseClick(command(index), Qt::LeftButton); }

    void pose(const engine::in_memory::ProblemDraws& draws) {
        draws_->queueProblem(draws);
        click(0);
    }

    engine::in_memory::ScriptedRandomSource* draws_ = nullptr;
    std::unique_ptr<qt_ui::MainForm> window_;
};
