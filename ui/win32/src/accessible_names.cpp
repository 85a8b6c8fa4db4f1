#include "accessible_names.h"

#include <windows.h>
#include <initguid.h>  // defines the annotation property ids here rather than declaring them
#include <oleacc.h>

#include <array>

#include "win32_ui/text_conversion.h"

namespace win32_ui {

namespace {

const std::array<MSAAPROPID, 2> kAnnotatedProperties = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};

}  // namespace

AccessibleNames::AccessibleNames() {
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services_)))) {
        services_ = nullptr;
    }
}

AccessibleNames::~AccessibleNames() {
    if (services_ == nullptr) {
        return;
    }
    for (HWND control : annotated_) {
        services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  kAnnotatedProperties.data(),
                                  static_cast<int>(kAnnotatedProperties.size()));
    }
    services_->Release();
}

void AccessibleNames::annotate(HWND control, std::string_view name, std::string_view description) {
    if (services_ == nullptr) {
        return;
    }
    if (!name.empty()) {
        services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  PROPID_ACC_NAME, toUtf16(name).c_str());
    }
    if (!description.empty()) {
        services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  PROPID_ACC_DESCRIPTION, toUtf16(description).c_str());
    }
    annotated_.push_back(control);
}

}  // namespace win32_ui
