// Enlarging the window for a projector or an interactive whiteboard: the design shown at the
// largest scale the window holds, the zoom keys and full screen.

#include <QCoreApplication>
#include <QKeySequence>
#include <QMargins>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <initializer_list>
#include <optional>

#include "design/main_form_design.h"
#include "design/scaling.h"
#include "design_conversions.h"
#include "qt_ui/main_form.h"
#include "scaled_style.h"

namespace qt_ui {

void MainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitDesignToWindow();
}

void MainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        // Esc has no other use in the window; outside full screen it stays the controls'.
        leaveFullScreen_->setEnabled(isFullScreen());
    }
}

void MainForm::bindWindowKeys() {
    // Window-wide, and taken before the focused control sees the key: Ctrl+Plus in the transcript
    // zooms rather than types, also from the keypad.
    const auto bind = [this](std::initializer_list<QKeySequence> keys, auto action) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, action);
        return shortcut;
    };
    // Ctrl+= too: the plus without Shift, as browsers take it.
    bind({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [this] { zoom(design::ZoomKey::In); });
    bind({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoom(design::ZoomKey::Out); });
    bind({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoom(design::ZoomKey::Reset); });
    // Held down, F11 repeats, and full screen would flicker on and off with it.
    bind({QKeySequence(Qt::Key_F11)}, [this] { toggleFullScreen(); })->setAutoRepeat(false);
    leaveFullScreen_ = bind({QKeySequence(Qt::Key_Escape)},
                            [this] { setWindowState(windowState() & ~Qt::WindowFullScreen); });
    leaveFullScreen_->setEnabled(isFullScreen());
}

void MainForm::scaleStyleDrawnParts() {
    scaledStyle_ = new ScaledStyle;
    scaledStyle_->setParent(this);
    for (QRadioButton* option : designArea_->findChildren<QRadioButton*>()) {
        styleScaledParts_.push_back(option);
    }
    for (QScrollBar* scrollBar : designArea_->findChildren<QScrollBar*>()) {
        styleScaledParts_.push_back(scrollBar);
    }
    for (QWidget* part : styleScaledParts_) {
        part->setStyle(scaledStyle_);
    }
}

void MainForm::toggleFullScreen() {
    if (!isFullScreen()) {
        frameBeforeFullScreen_ = normalFrame();
    }
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void MainForm::fitDesignToWindow() {
    const design::WindowDesign& window = design::mainForm();
    const double scale = design::fittingScale(window.clientArea, toPixelSize(size()));
    if (scale <= 0.0) {
        return;  // a window of no size shows nothing
    }
    const design::PixelSize area = design::scaledSize(window.clientArea, scale);
    const design::PixelOffset offset = design::centringOffset(toPixelSize(size()), area);
    designArea_->setGeometry(offset.x, offset.y, area.width, area.height);
    if (scale == scale_) {
        return;  // only the margins changed
    }
    scale_ = scale;
    scaledStyle_->setScale(scale);
    for (QWidget* part : styleScaledParts_) {
        QEvent metricsChanged(QEvent::StyleChange);
        QCoreApplication::sendEvent(part, &metricsChanged);
    }
    designArea_->setFont(toQFont(window.font, scale));
    for (std::size_t i = 0; i < placedControls_.size(); ++i) {
        placedControls_[i]->setGeometry(toQRect(window.controls.at(i).place, scale));
    }
}

void MainForm::zoom(design::ZoomKey key) {
    const std::optional<double> scale = design::zoomedScale(key, scale_, largestWindowedScale());
    if (!scale) {
        return;
    }
    // A step is a size of the window, so it leaves full screen and maximised, and the window
    // comes back where it was before them. It grows or shrinks about its centre, and moves only
    // as far as it must to stay on the screen, its frame included.
    const bool fillingScreen = windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized);
    QRect client(QPoint(), toQSize(design::scaledSize(design::mainForm().clientArea, *scale)));
    client.moveCenter((fillingScreen ? normalGeometry() : geometry()).center());
    QRect frame = client.marginsAdded(normalFrame());
    const QRect screenArea = screen()->availableGeometry();
    frame.moveRight(std::min(frame.right(), screenArea.right()));
    frame.moveBottom(std::min(frame.bottom(), screenArea.bottom()));
    frame.moveLeft(std::max(frame.left(), screenArea.left()));
    frame.moveTop(std::max(frame.top(), screenArea.top()));
    setWindowState(windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    resize(client.size());
    // A window's position is its frame's, which every window manager places as asked.
    move(frame.topLeft());
}

double MainForm::largestWindowedScale() const {
    const QSize available = screen()->availableGeometry().marginsRemoved(normalFrame()).size();
    return design::fittingScale(design::mainForm().clientArea, toPixelSize(available));
}

QMargins MainForm::normalFrame() const {
    // A full screen window has no frame; a step brings back the one it had.
    if (isFullScreen()) {
        return frameBeforeFullScreen_;
    }
    return windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
}

}  // namespace qt_ui
