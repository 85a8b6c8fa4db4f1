// Builds the window's controls: their places, captions, colours, tab order and the names a
// screen reader announces.

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "button_face_style.h"
#include "qt_ui/application.h"
#include "qt_ui/main_form.h"
#include "window_design.h"

namespace qt_ui {

namespace {

// Colours go through palettes, not style sheets, so they look the same under any desktop theme.
void setColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

void fillBackground(QWidget& widget, const QColor& colour) {
    setColour(widget, widget.backgroundRole(), colour);
    widget.setAutoFillBackground(true);
}

QString indexedName(const char* name, std::size_t index) {
    return QLatin1String(name) + QLatin1Char('_') + QString::number(index);
}

QFont controlFont() {
    QFont font(QString::fromLatin1(design::kFontFamily), design::kFontPointSize);
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

}  // namespace

void MainForm::buildControls() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(design::kTitle);
    setWindowIcon(applicationIcon());
    setFont(controlFont());
    setFixedSize(design::toPixels(design::kClientArea).size());
    fillBackground(*this, design::kWindowBackground);

    label_ = new QLabel(design::kLabelCaption, this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setGeometry(design::toPixels(design::kLabel));
    label_->setAlignment(Qt::AlignCenter);
    fillBackground(*label_, design::kLabelBackground);

    frame_ = new QGroupBox(design::kFrameCaption, this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setGeometry(design::toPixels(design::kFrame));
    fillBackground(*frame_, design::kWindowBackground);
    auto* optionGroup = new QButtonGroup(frame_);
    optionGroup->setExclusive(true);
    for (std::size_t n = 0; n < options_.size(); ++n) {
        const QString letter(QChar(static_cast<char16_t>(u'A' + n)));
        auto* option = new QRadioButton(letter, frame_);
        option->setObjectName(indexedName("Option1", n));
        option->setGeometry(design::toPixels(design::optionButton(static_cast<int>(n))));
        fillBackground(*option, design::kOptionBackground);
        optionGroup->addButton(option, static_cast<int>(n));
        options_[n] = option;
    }

    const std::array<QColor, engine::kCommandCount> faces = {design::kMakeProblemFace,
                                                             design::kSolveFace};
    const std::array<design::Twips, engine::kCommandCount> places = {design::kMakeProblemButton,
                                                                     design::kSolveButton};
    auto* faceStyle = new ButtonFaceStyle;
    faceStyle->setParent(this);
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        auto* command = new QPushButton(design::kCommandCaptions[i], this);
        command->setObjectName(indexedName("Command1", i));
        command->setGeometry(design::toPixels(places[i]));
        command->setStyle(faceStyle);
        setColour(*command, QPalette::Button, faces[i]);
        commands_[i] = command;
    }

    transcript_ = new QPlainTextEdit(this);
    transcript_->setObjectName(QStringLiteral("Text1_0"));
    transcript_->setGeometry(design::toPixels(design::kTranscript));
    transcript_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    transcript_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    transcript_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control, as in the other text boxes of a form, rather than
    // typing a tab character.
    transcript_->setTabChangesFocus(true);

    // Created last, so the strip lies over the transcript's bottom edge, each list over the one
    // before it.
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        auto* list = new QListWidget(this);
        list->setObjectName(indexedName("List1", i));
        list->setGeometry(design::toPixels(design::list(static_cast<int>(i))));
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Every item is one line in the window's font, so all are the same height and each row is
        // drawn the list's width: measuring one item spares shaping all 102 texts when shown.
        list->setUniformItemSizes(true);
        lists_[i] = list;
    }
}

void MainForm::chainTabOrder() {
    const auto secondRow = lists_.begin() + design::kFirstListOfSecondRow;
    std::vector<QWidget*> order;
    order.push_back(transcript_);
    order.insert(order.end(), lists_.begin(), secondRow);
    order.push_back(commands_[engine::kMakeProblemCommand]);
    order.insert(order.end(), options_.begin(), options_.end());
    order.push_back(commands_[engine::kSolveCommand]);
    order.insert(order.end(), secondRow, lists_.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void MainForm::describeForScreenReaders() {
    transcript_->setAccessibleName(QStringLiteral("Условие и решение на задачата"));
    lists_[0]->setAccessibleName(QStringLiteral("Числата на задачата"));
    for (std::size_t i = 1; i < lists_.size(); ++i) {
        lists_[i]->setAccessibleName(QStringLiteral("Сценарий ") + QString::number(i));
    }
    commands_[engine::kMakeProblemCommand]->setAccessibleName(design::kCommandCaptions[0]);
    commands_[engine::kMakeProblemCommand]->setAccessibleDescription(
        QStringLiteral("Съставя нова задача"));
    commands_[engine::kSolveCommand]->setAccessibleName(design::kCommandCaptions[1]);
    commands_[engine::kSolveCommand]->setAccessibleDescription(
        QStringLiteral("Показва решението на задачата"));
    frame_->setAccessibleName(QStringLiteral("Търсената величина"));
    frame_->setAccessibleDescription(design::kFrameCaption);
    for (QRadioButton* option : options_) {
        option->setAccessibleName(QStringLiteral("Търсената величина е ") + option->text());
    }
    label_->setAccessibleName(design::kLabelCaption);
}

}  // namespace qt_ui
