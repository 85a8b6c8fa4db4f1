#include "qt_ui/main_form.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <utility>

#include "design_conversions.h"
#include "presenter/main_form_presenter.h"
#include "qt_ui/plain_text_box.h"
#include "qt_ui/widget_controls.h"

namespace qt_ui {

MainForm::MainForm(std::unique_ptr<engine::RandomSource> random, QWidget* parent)
    : QWidget(parent) {
    buildControls();
    chainTabOrder();
    // The window's keys are taken wherever the keyboard is in the window, before the focused
    // control sees them.
    qApp->installEventFilter(this);
    presenter::MainFormView& view = *this;
    presenter_ = std::make_unique<presenter::MainFormPresenter>(
        view, QLocale().decimalPoint().toStdString(), std::move(random));
    for (int index = 0; index < engine::kCommandCount; ++index) {
        connect(commands_[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { presenter_->commandClicked(index); });
    }
}

MainForm::~MainForm() = default;

std::unique_ptr<engine::ListBox> MainForm::bindList(int index) {
    return std::make_unique<ListWidgetBox>(*lists_.at(static_cast<std::size_t>(index)));
}

std::unique_ptr<engine::TextBox> MainForm::bindTranscript() {
    return std::make_unique<PlainTextBox>(*transcript_);
}

std::unique_ptr<engine::OptionButton> MainForm::bindOption(int index) {
    return std::make_unique<RadioOptionButton>(*options_.at(static_cast<std::size_t>(index)));
}

std::unique_ptr<engine::CommandButton> MainForm::bindCommand(int index) {
    return std::make_unique<PushCommandButton>(*commands_.at(static_cast<std::size_t>(index)));
}

bool MainForm::hasFocus(const design::ControlId& control) const {
    return controlWidget(control)->hasFocus();
}

bool MainForm::isEnabled(const design::ControlId& control) const {
    return controlWidget(control)->isEnabled();
}

void MainForm::focus(const design::ControlId& control) {
    controlWidget(control)->setFocus(Qt::OtherFocusReason);
}

void MainForm::showFirstLines() {
    transcript_->moveCursor(QTextCursor::Start);
    transcript_->verticalScrollBar()->setValue(0);
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

void MainForm::reportError(const presenter::ErrorMessage& message) {
    QMessageBox box(QMessageBox::Critical, toQString(message.title), toQString(message.text),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("RuntimeErrorBox"));
    box.setInformativeText(toQString(message.advice));
    box.exec();
}

}  // namespace qt_ui
