#include "qt_ui/main_form.h"

#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <exception>
#include <optional>
#include <utility>

#include "design/main_form_design.h"
#include "design/runtime_error_texts.h"
#include "design_conversions.h"
#include "engine/clock_random_source.h"
#include "engine/runtime_error.h"
#include "engine/scenario_templates.h"
#include "qt_ui/plain_text_box.h"
#include "qt_ui/widget_controls.h"

namespace qt_ui {

MainForm::MainForm(std::unique_ptr<engine::RandomSource> random, QWidget* parent)
    : QWidget(parent), random_(std::move(random)) {
    if (!random_) {
        random_ = std::make_unique<engine::ClockRandomSource>();
    }
    buildControls();
    chainTabOrder();
    bindWindowKeys();

    const engine::FormControls controls = bindControls();
    engine_ = std::make_unique<engine::MainFormLogic>(controls, *random_,
                                                      QLocale().decimalPoint().toStdString());
    engine::fillDesignTimeLists(controls.List1);
    transcriptBox_->setText(design::mainForm().introText);
    engine_->load();

    for (int index = 0; index < engine::kCommandCount; ++index) {
        connect(commands_[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { onCommandClicked(index); });
    }
    transcript_->setFocus();
}

MainForm::~MainForm() = default;

engine::FormControls MainForm::bindControls() {
    engine::FormControls controls;
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        listBoxes_[i] = std::make_unique<ListWidgetBox>(*lists_[i]);
        controls.List1[i] = listBoxes_[i].get();
    }
    transcriptBox_ = std::make_unique<PlainTextBox>(*transcript_);
    controls.Text1 = transcriptBox_.get();
    for (std::size_t i = 0; i < options_.size(); ++i) {
        optionButtons_[i] = std::make_unique<RadioOptionButton>(*options_[i]);
        controls.Option1[i] = optionButtons_[i].get();
    }
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        commandButtons_[i] = std::make_unique<PushCommandButton>(*commands_[i]);
        controls.Command1[i] = commandButtons_[i].get();
    }
    return controls;
}

void MainForm::onCommandClicked(int index) {
    QPushButton* clicked = commands_[static_cast<std::size_t>(index)];
    const bool clickedHadFocus = clicked->hasFocus();
    // A command that fails keeps what it wrote and the buttons as they were; the user is told
    // and carries on.
    std::optional<QString> failure;
    try {
        engine_->commandClick(index);
    } catch (const engine::RuntimeError& error) {
        failure = toQString(design::runtimeErrorText(error.kind()));
    } catch (const std::exception&) {
        failure = toQString(design::unexpectedErrorText());
    }
    showNewestLines();
    if (failure) {
        showRuntimeError(*failure);
        return;
    }
    // A button that disables itself would pass the focus on to a list of the strip, mostly
    // hidden below the edge; "Задача" is what the user needs next.
    if (clickedHadFocus && !clicked->isEnabled()) {
        commands_[engine::kMakeProblemCommand]->setFocus(Qt::OtherFocusReason);
    }
}

void MainForm::showNewestLines() {
    transcript_->moveCursor(QTextCursor::End);
    transcript_->ensureCursorVisible();
    // Down to the document's end, its bottom margin included. Qt 6.8 scrolls only until the
    // caret's line touches the bottom edge, one line short of the end, where the last line
    // shows cut at some sizes.
    QScrollBar* scrollBar = transcript_->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
}

void MainForm::showRuntimeError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, toQString(design::runtimeErrorTitle()), text,
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("RuntimeErrorBox"));
    box.setInformativeText(toQString(design::runtimeErrorAdvice()));
    box.exec();
}

}  // namespace qt_ui
