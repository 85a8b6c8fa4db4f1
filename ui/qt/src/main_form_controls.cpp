// Builds the window's controls by walking its description: their kinds, places, captions,
// colours, the names a screen reader announces, and the tab order.

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "button_face_style.h"
#include "design/main_form_design.h"
#include "design_conversions.h"
#include "option_group_focus.h"
#include "qt_ui/application.h"
#include "qt_ui/main_form.h"
#include "transcript_edit.h"

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

template <typename Widget, std::size_t N>
Widget*& slot(std::array<Widget*, N>& widgets, const design::ControlId& id) {
    return widgets.at(static_cast<std::size_t>(id.index));
}

}  // namespace

void MainForm::buildControls() {
    const design::WindowDesign& window = design::mainForm();
    setObjectName(toQString(window.designName));
    setWindowTitle(toQString(window.title));
    setWindowIcon(applicationIcon());
    setFont(toQFont(window.font));
    setMinimumSize(toQSize(sizing_.leastClientSize()));
    resize(minimumSize());
    fillBackground(*this, toQColor(window.background));
    designArea_ = new QWidget(this);

    buttonFaceStyle_ = new ButtonFaceStyle;
    buttonFaceStyle_->setParent(this);
    for (const design::Control& control : window.controls) {
        QWidget* widget = makeControl(control);
        widget->setObjectName(toQString(design::objectName(control.id)));
        widget->setAccessibleName(toQString(control.accessibleName));
        widget->setAccessibleDescription(toQString(control.accessibleDescription));
        if (control.background) {
            if (control.kind == design::ControlKind::CommandButton) {
                setColour(*widget, QPalette::Button, toQColor(*control.background));
            } else {
                fillBackground(*widget, toQColor(*control.background));
            }
        }
        placedControls_.push_back(widget);
    }
    new OptionGroupFocus(*optionGroup_);
    scaleStyleDrawnParts();
    fitDesignToWindow();
}

QWidget* MainForm::makeControl(const design::Control& control) {
    const QString caption = toQString(control.caption);
    QWidget* parent = control.insideFrame ? static_cast<QWidget*>(frame_) : designArea_;
    switch (control.kind) {
        case design::ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(control.alignment == design::Alignment::Centre
                                    ? Qt::AlignCenter
                                    : Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case design::ControlKind::Frame:
            frame_ = new QGroupBox(caption, parent);
            optionGroup_ = new QButtonGroup(frame_);
            optionGroup_->setExclusive(true);
            return frame_;
        case design::ControlKind::OptionButton: {
            auto* option = new QRadioButton(caption, parent);
            optionGroup_->addButton(option, control.id.index);
            return slot(options_, control.id) = option;
        }
        case design::ControlKind::CommandButton: {
            auto* command = new QPushButton(caption, parent);
            command->setStyle(buttonFaceStyle_);
            return slot(commands_, control.id) = command;
        }
        case design::ControlKind::TextBox:
            transcript_ = new TranscriptEdit(parent);
            transcript_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            transcript_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            transcript_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            // Tab moves on to the next control, as in the other text boxes of a form, rather
            // than typing a tab character.
            transcript_->setTabChangesFocus(true);
            return transcript_;
        case design::ControlKind::ListBox: {
            auto* list = new QListWidget(parent);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            // Every item is one line in the window's font, so all are the same height and each
            // row is drawn the list's width: measuring one item spares shaping all 102 texts
            // when shown.
            list->setUniformItemSizes(true);
            return slot(lists_, control.id) = list;
        }
    }
    throw std::logic_error("a control of an unknown kind");
}

QWidget* MainForm::controlWidget(const design::ControlId& id) const {
    return findChild<QWidget*>(toQString(design::objectName(id)));
}

void MainForm::chainTabOrder() {
    std::vector<QWidget*> order;
    for (const design::ControlId& id : design::mainForm().tabOrder) {
        if (design::takesFocus(design::control(id).kind)) {
            order.push_back(controlWidget(id));
        }
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace qt_ui
