#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <memory>

#include "design/main_form_design.h"
#include "design/scaling.h"
#include "engine/form_controls.h"
#include "engine/random_source.h"
#include "presenter/main_form_view.h"
#include "presenter/window_keys.h"
#include "presenter/window_sizing.h"

namespace design {
class WindowLayout;
}

namespace presenter {
class MainFormPresenter;
}

namespace win32_ui {

class AccessibleNames;
class OptionGroup;

// The program's only window, with the platform's own controls. It builds them from the window's
// description and carries out what the window's presenter decides (presenter::MainFormView),
// which binds them to the problem engine; the two command buttons' clicks go to it.
//
// The window is made hidden, after the engine's load step; show it with ShowWindow. Destroying
// the window (closing it) posts WM_QUIT. Needs COM on the calling thread for the accessible names.
//
// It opens at the designed size and can be enlarged for a projector: maximised, full screen (F11,
// and F11 or Esc to leave), dragged by its border, or zoomed in steps (Ctrl+Plus, Ctrl+Minus,
// Ctrl+0). The design then scales as one picture to the largest scale the window holds, centred,
// on top of the window's DPI.
class MainForm : private presenter::MainFormView, private presenter::KeyedWindow {
public:
    // Tells the user a command failed; by default in a message box (showRuntimeErrorBox).
    using ErrorReport = std::function<void(HWND owner, const presenter::ErrorMessage& message)>;

    // Problems are drawn from the given source; by default one seeded from the clock. The
    // decimal separator of answers is the user's locale's at construction.
    explicit MainForm(std::unique_ptr<engine::RandomSource> random = nullptr,
                      ErrorReport reportError = nullptr);
    ~MainForm() override;
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    HWND window() const { return window_; }
    HWND control(const design::ControlId& id) const;

    // The keys of the whole window, wherever the keyboard is: the zoom keys, F11 and, in full
    // screen, Esc. True when it took the message, which then must not be dispatched. Before
    // handleNavigation, so that neither the dialog manager nor the focused control sees them:
    // Ctrl+Plus in the transcript zooms and types nothing.
    bool handleWindowKeys(const MSG& message);

    // The dialog manager's keyboard navigation (Tab, the arrow keys in the option group, Space
    // on a button). True when it took the message, which then must not be dispatched.
    bool handleNavigation(MSG& message);

    // The scale the design is shown at on top of the DPI, and whether the window is full screen.
    double scale() const { return scale_; }
    bool isFullScreen() const { return sizing_.isFullScreen(); }

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createWindow();
    void createControls();
    HWND createControl(const design::Control& control);
    void nameControlsForScreenReaders();

    // presenter::MainFormView
    std::unique_ptr<engine::ListBox> bindList(int index) override;
    std::unique_ptr<engine::TextBox> bindTranscript() override;
    std::unique_ptr<engine::OptionButton> bindOption(int index) override;
    std::unique_ptr<engine::CommandButton> bindCommand(int index) override;
    bool hasFocus(const design::ControlId& id) const override;
    bool isEnabled(const design::ControlId& id) const override;
    void focus(const design::ControlId& id) override;
    void showFirstLines() override;
    void showNewestLines() override;
    void reportError(const presenter::ErrorMessage& message) override;

    // The design shown in the window (main_form_layout.cpp).
    void fitDesignToWindow();
    void setScaledFont(const design::WindowLayout& layout);
    void placeControls(const design::WindowLayout& layout);
    void clipToDesign(std::size_t controlIndex, const design::WindowLayout& layout);

    // The window's size and place (main_form_sizing.cpp).
    design::PixelSize clientSize() const;
    RECT clientOnScreen() const;
    presenter::FrameMargins frameMargins() const;
    presenter::WindowGeometry geometry() const;
    void resizeClientArea(design::PixelSize client);
    void limitTrackingSize(MINMAXINFO& limits) const;
    void zoom(design::ZoomKey key) override;
    void toggleFullScreen() override;
    void leaveFullScreen() override;

    // A change of DPI (main_form_dpi.cpp).
    void setDotsPerInch(int dotsPerInch);
    design::PixelSize clientAreaAtDpi(int dotsPerInch) const;
    LRESULT onDpiScaledSize(int dotsPerInch, SIZE& size) const;
    void onDpiChanged(int dotsPerInch, const RECT& suggested);

    void onCommand(WORD notification, HWND control);
    void moveFocus(WPARAM wParam, LPARAM lParam);
    LRESULT colourControl(HDC dc, HWND control);
    bool paintCommandButton(const DRAWITEMSTRUCT& item);
    LRESULT paintOption(const NMCUSTOMDRAW& draw);

    ErrorReport reportError_;
    HWND window_ = nullptr;
    int dotsPerInch_ = USER_DEFAULT_SCREEN_DPI;
    // What the controls are laid out and their font made for: 0 before the first layout.
    double scale_ = 0.0;
    int fontDotsPerInch_ = 0;
    design::Pixels designArea_{};
    presenter::WindowSizing sizing_;
    // Where the window comes back to from full screen.
    WINDOWPLACEMENT placementBeforeFullScreen_{};
    HFONT font_ = nullptr;
    HBRUSH windowBackground_ = nullptr;
    // Parallel to the description's controls, and a brush for each one with a background.
    std::array<HWND, design::kControlCount> controls_{};
    std::array<HBRUSH, design::kControlCount> backgrounds_{};
    HWND transcript_ = nullptr;
    std::array<HWND, engine::kOptionCount> options_{};
    std::array<HWND, engine::kCommandCount> commands_{};
    // Where the focus goes back to when the window is activated again.
    HWND focusOnActivation_ = nullptr;

    std::unique_ptr<AccessibleNames> accessibleNames_;
    std::unique_ptr<OptionGroup> optionGroup_;
    // Last, so that it and its bindings go before the controls they bind.
    std::unique_ptr<presenter::MainFormPresenter> presenter_;
};

}  // namespace win32_ui
