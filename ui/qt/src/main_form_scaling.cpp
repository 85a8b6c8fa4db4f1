// Enlarging the window for a projector or an interactive whiteboard: the design shown at the
// largest scale the window holds, the zoom keys and full screen.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMargins>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>
#include <optional>

#include "design/main_form_design.h"
#include "design/scaling.h"
#include "design_conversions.h"
#include "presenter/window_keys.h"
#include "qt_ui/main_form.h"
#include "scaled_style.h"

namespace qt_ui {

void MainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitDesignToWindow();
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        return takeWindowKey(*static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

bool MainForm::takeWindowKey(const QKeyEvent& key) {
    presenter::KeyedWindow& keyed = *this;
    return presenter::takeWindowKey(toKeyPress(key), isFullScreen(), keyed);
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

void MainForm::leaveFullScreen() { setWindowState(windowState() & ~Qt::WindowFullScreen); }

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
