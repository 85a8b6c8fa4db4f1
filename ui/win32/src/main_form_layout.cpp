// The design shown in the window: every control placed and clipped at the design's scale, in a
// font made at that scale.

#include <windows.h>

#include <algorithm>
#include <optional>

#include "design/main_form_design.h"
#include "design/window_layout.h"
#include "presenter/window_sizing.h"
#include "transcript_set_aside.h"
#include "win32_ui/main_form.h"
#include "win32_ui/text_conversion.h"

namespace win32_ui {

void MainForm::fitDesignToWindow() {
    if (transcript_ == nullptr) {
        return;  // the window is still being made
    }
    const std::optional<presenter::DesignPlacement> placement = sizing_.fit(clientSize());
    if (!placement) {
        return;  // minimised, or a window of no size, shows nothing
    }
    const design::WindowLayout layout(dotsPerInch_, placement->scale,
                                      {placement->area.left, placement->area.top});
    const bool rescaled = layout.scale() != scale_ || fontDotsPerInch_ != dotsPerInch_;
    if (!rescaled && layout.designArea() == designArea_) {
        return;
    }
    // Painted once, when every control has its place and font: Wine would otherwise paint each
    // list as it moves, and again as the next one moves over it, which took seconds a step.
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETREDRAW, FALSE, 0);
    }
    if (rescaled && GetWindowTextLengthW(transcript_) > kLongTranscript) {
        const TranscriptSetAside transcript(transcript_);
        setScaledFont(layout);
        placeControls(layout);
        transcript.putBack();
    } else {
        const TranscriptView view(transcript_);
        if (rescaled) {
            setScaledFont(layout);
        }
        placeControls(layout);
        view.restore();
    }
    scale_ = layout.scale();
    designArea_ = layout.designArea();
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETREDRAW, TRUE, 0);
    }
    // The margins around the design too, where it lay before.
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void MainForm::setScaledFont(const design::WindowLayout& layout) {
    const design::Font& designed = design::mainForm().font;
    HFONT previousFont = font_;
    // Made anew at the scaled size, so every text is laid out at it, never stretched.
    font_ = CreateFontW(-layout.fontHeight(designed), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        VARIABLE_PITCH | FF_ROMAN, toUtf16(designed.family).c_str());
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    if (previousFont != nullptr) {
        DeleteObject(previousFont);
    }
    fontDotsPerInch_ = dotsPerInch_;
}

void MainForm::placeControls(const design::WindowLayout& layout) {
    const auto& controls = design::mainForm().controls;
    // All moved in one go: the window is repainted once they all have their places.
    HDWP moves = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    for (std::size_t i = 0; i < controls_.size() && moves != nullptr; ++i) {
        const design::Pixels place = layout.place(controls[i]);
        moves = DeferWindowPos(moves, controls_[i], nullptr, place.left, place.top, place.width,
                               place.height,
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOREDRAW);
    }
    if (moves == nullptr || EndDeferWindowPos(moves) == FALSE) {
        for (std::size_t i = 0; i < controls_.size(); ++i) {  // one by one, as memory allows
            const design::Pixels place = layout.place(controls[i]);
            SetWindowPos(controls_[i], nullptr, place.left, place.top, place.width, place.height,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOREDRAW);
        }
    }
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        clipToDesign(i, layout);
    }
}

void MainForm::clipToDesign(std::size_t controlIndex, const design::WindowLayout& layout) {
    const design::Pixels place = layout.place(design::mainForm().controls[controlIndex]);
    const design::Pixels area = layout.designArea();
    // In the control's own pixels: what lies within the design's client area, less what the
    // controls stacked above it cover.
    HRGN visible =
        CreateRectRgn(std::max(area.left - place.left, 0), std::max(area.top - place.top, 0),
                      std::min(area.left + area.width - place.left, place.width),
                      std::min(area.top + area.height - place.top, place.height));
    for (const design::Pixels& part : layout.coveredParts(controlIndex)) {
        HRGN cover =
            CreateRectRgn(part.left - place.left, part.top - place.top,
                          part.left - place.left + part.width, part.top - place.top + part.height);
        CombineRgn(visible, visible, cover, RGN_DIFF);
        DeleteObject(cover);
    }
    // The window owns the region from here on; it is repainted with the rest of the window.
    SetWindowRgn(controls_[controlIndex], visible, FALSE);
}

}  // namespace win32_ui
