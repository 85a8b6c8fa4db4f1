#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "engine/form_controls.h"
#include "engine/random_source.h"
#include "presenter/main_form_view.h"
#include "presenter/window_keys.h"
#include "presenter/window_sizing.h"

class QButtonGroup;
class QGroupBox;
class QKeyEvent;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStyle;

namespace design {
struct Control;
struct ControlId;
enum class ZoomKey;
}  // namespace design

namespace presenter {
class MainFormPresenter;
}

namespace qt_ui {

class ScaledStyle;

// The program's only window. It builds its controls from the window's description and carries out
// what the window's presenter decides (presenter::MainFormView), which binds them to the problem
// engine; the two command buttons' clicks and the window's keys go to it.
//
// Each control's object name is its design name with the index after an underscore: "List1_0"
// to "List1_16", "Text1_0", "Option1_0" to "Option1_5", "Command1_0", "Command1_1", plus
// "Frame1" and "Label1".
//
// The window opens at the designed size and can be enlarged for a projector: maximised, full
// screen (F11, and F11 or Esc to leave), dragged, or zoomed in steps (Ctrl+Plus, Ctrl+Minus,
// Ctrl+0). The design then scales as one picture to the largest scale the window holds, centred.
class MainForm : public QWidget, private presenter::MainFormView, private presenter::KeyedWindow {
    Q_OBJECT

public:
    // Problems are drawn from the given source; by default one seeded from the clock. The
    // decimal separator of answers comes from the default QLocale at construction.
    explicit MainForm(std::unique_ptr<engine::RandomSource> random = nullptr,
                      QWidget* parent = nullptr);
    ~MainForm() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* makeControl(const design::Control& control);
    QWidget* controlWidget(const design::ControlId& id) const;
    void chainTabOrder();

    // presenter::MainFormView
    std::unique_ptr<engine::ListBox> bindList(int index) override;
    std::unique_ptr<engine::TextBox> bindTranscript() override;
    std::unique_ptr<engine::OptionButton> bindOption(int index) override;
    std::unique_ptr<engine::CommandButton> bindCommand(int index) override;
    bool hasFocus(const design::ControlId& control) const override;
    bool isEnabled(const design::ControlId& control) const override;
    void focus(const design::ControlId& control) override;
    void showFirstLines() override;
    void showNewestLines() override;
    void reportError(const presenter::ErrorMessage& message) override;

    // The design's scale and the window keys (main_form_scaling.cpp).
    bool takeWindowKey(const QKeyEvent& key);
    void toggleFullScreen() override;
    void leaveFullScreen() override;
    void scaleStyleDrawnParts();
    void fitDesignToWindow();
    void zoom(design::ZoomKey key) override;
    presenter::FrameMargins frameMargins() const;

    std::array<QListWidget*, engine::kListCount> lists_{};
    QPlainTextEdit* transcript_ = nullptr;
    std::array<QRadioButton*, engine::kOptionCount> options_{};
    std::array<QPushButton*, engine::kCommandCount> commands_{};
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
    presenter::WindowSizing sizing_;
    // Last, so that it and its bindings go before the widgets they bind.
    std::unique_ptr<presenter::MainFormPresenter> presenter_;
};

}  // namespace qt_ui
