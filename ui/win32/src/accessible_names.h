#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

struct IAccPropServices;

namespace win32_ui {

// Gives controls the names and descriptions screen readers (Narrator, NVDA) announce, through
// the accessibility annotations of Windows (IAccPropServices), for as long as this object
// lives. Needs COM on the calling thread; without it, or where annotations are missing, the
// controls keep the names Windows gives them (their captions).
class AccessibleNames {
public:
    AccessibleNames();
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Empty texts are left out.
    void annotate(HWND control, std::string_view name, std::string_view description);

private:
    IAccPropServices* services_ = nullptr;
    std::vector<HWND> annotated_;
};

}  // namespace win32_ui
