#pragma once

#include <QMargins>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "engine/form_controls.h"
#include "engine/main_form_logic.h"
#include "engine/random_source.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QShortcut;
class QStyle;

namespace design {
struct Control;
struct ControlId;
enum class ZoomKey;
}  // namespace design

namespace qt_ui {

class PlainTextBox;
class ScaledStyle;

// The program's only window. It builds its controls from the window's description, binds them to
// the problem engine and routes the two command buttons' clicks to it. The engine decides
// everything else, including when the solve button is enabled.
//
// Each control's object name is its design name with the index after an underscore: "List1_0"
// to "List1_16", "Text1_0", "Option1_0" to "Option1_5", "Command1_0", "Command1_1", plus
// "Frame1" and "Label1".
//
// The window opens at the designed size and can be enlarged for a projector: maximised, full
// screen (F11, and F11 or Esc to leave), dragged, or zoomed in steps (Ctrl+Plus, Ctrl+Minus,
// Ctrl+0). The design then scales as one picture to the largest scale the window holds, centred.
class MainForm : public QWidget {
    Q_OBJECT

public:
    // Problems are drawn from the given source; by default one seeded from the clock. The
    // decimal separator of answers comes from the default QLocale at construction.
    explicit MainForm(std::unique_ptr<engine::RandomSource> random = nullptr,
                      QWidget* parent = nullptr);
    ~MainForm() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    QWidget* makeControl(const design::Control& control);
    QWidget* controlWidget(const design::ControlId& id) const;
    void chainTabOrder();
    engine::FormControls bindControls();
    void onCommandClicked(int index);
    void showRuntimeError(const QString& text);
    void showNewestLines();
    void bindWindowKeys();
    void toggleFullScreen();
    void scaleStyleDrawnParts();
    void fitDesignToWindow();
    void zoom(design::ZoomKey key);
    double largestWindowedScale() const;
    QMargins normalFrame() const;

    std::unique_ptr<engine::RandomSource> random_;
    std::array<QListWidget*, engine::kListCount> lists_{};
    QPlainTextEdit* transcript_ = nullptr;
    std::array<QRadioButton*, engine::kOptionCount> options_{};
    std::array<QPushButton*, engine::kCommandCount> commands_{};
    QLabel* label_ = nullptr;
    QGroupBox* frame_ = nullptr;
    QButtonGroup* optionGroup_ = nullptr;
    QStyle* buttonFaceStyle_ = nullptr;
    // The design's client area, which holds every control and clips the list strip at its
    // bottom edge, however much larger the window is.
    QWidget* designArea_ = nullptr;
    // Each control of the description, in its order.
    std::vector<QWidget*> placedControls_;
    // The option buttons and the scroll bars, whose style-drawn parts scale too.
    ScaledStyle* scaledStyle_ = nullptr;
    std::vector<QWidget*> styleScaledParts_;
    double scale_ = 0.0;
    QShortcut* leaveFullScreen_ = nullptr;
    QMargins frameBeforeFullScreen_;
    std::array<std::unique_ptr<engine::ListBox>, engine::kListCount> listBoxes_;
    std::unique_ptr<PlainTextBox> transcriptBox_;
    std::array<std::unique_ptr<engine::OptionButton>, engine::kOptionCount> optionButtons_;
    std::array<std::unique_ptr<engine::CommandButton>, engine::kCommandCount> commandButtons_;
    std::unique_ptr<engine::MainFormLogic> engine_;
};

}  // namespace qt_ui
