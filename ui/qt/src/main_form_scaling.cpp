// Enlarging the window for a projector or an interactive whiteboard: the design shown at the
// largest scale the window holds, the zoom keys and full screen.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <optional>

#include "design/main_form_design.h"
#include "design/scaling.h"
#include "design_conversions.h"
#include "presenter/window_keys.h"
#include "presenter/window_sizing.h"
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

void MainForm::leaveFullScreen() {
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    sizing_.leaveFullScreen();
}

void MainForm::toggleFullScreen() {
    if (isFullScreen()) {
        leaveFullScreen();
        return;
    }
    sizing_.enterFullScreen(frameMargins());
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void MainForm::fitDesignToWindow() {
    const std::optional<presenter::DesignPlacement> placement = sizing_.fit(toPixelSize(size()));
    if (!placement) {
        return;  // a window of no size shows nothing
    }
    designArea_->setGeometry(toQRect(placement->area));
    if (placement->scale == scale_) {
        return;  // only the margins changed
    }
    scale_ = placement->scale;
    scaledStyle_->setScale(scale_);
    for (QWidget* part : styleScaledParts_) {
        QEvent metricsChanged(QEvent::StyleChange);
        QCoreApplication::sendEvent(part, &metricsChanged);
    }
    const design::WindowDesign& window = design::mainForm();
    designArea_->setFont(toQFont(window.font, scale_));
    for (std::size_t i = 0; i < placedControls_.size(); ++i) {
        placedControls_[i]->setGeometry(toQRect(window.controls.at(i).place, scale_));
    }
}

void MainForm::zoom(design::ZoomKey key) {
    const bool fillingScreen = windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized);
    const presenter::WindowGeometry window{toPixels(fillingScreen ? normalGeometry() : geometry()),
                                           frameMargins(), toPixels(screen()->availableGeometry())};
    const std::optional<presenter::ZoomedWindow> zoomed = sizing_.zoomed(key, scale_, window);
    if (!zoomed) {
        return;
    }
    setWindowState(windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    sizing_.leaveFullScreen();
    resize(toQSize(zoomed->client));
    // A window's position is its frame's, which every window manager places as asked.
    move(zoomed->frame.left, zoomed->frame.top);
}

presenter::FrameMargins MainForm::frameMargins() const {
    return windowHandle() != nullptr ? toFrameMargins(windowHandle()->frameMargins())
                                     : presenter::FrameMargins{};
}

}  // namespace qt_ui
