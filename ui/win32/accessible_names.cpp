// What screen readers are told about a gadget, through the accessibility
// property service: the control's own accessible object gets a name and a
// description that override what Windows would guess. Nothing on screen
// changes. Where the service is missing, gadgets keep Windows' own names.
#include "ui/win32/gadget_record.h"

#include <initguid.h> // defines the service's identifiers in this file

#include <oleacc.h>

#include <iterator>

namespace ui::detail {
namespace {

IAccPropServices* service = nullptr;
bool tried = false;
bool comStarted = false;

IAccPropServices* propertyService() {
    if (tried)
        return service;
    tried = true;
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comStarted = SUCCEEDED(started);
    void* created = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &created)))
        service = static_cast<IAccPropServices*>(created);
    return service;
}

void setOrClear(IAccPropServices* accessibility, HWND handle, const MSAAPROPID& property,
                const std::wstring& text) {
    if (text.empty()) {
        MSAAPROPID properties[] = {property};
        accessibility->ClearHwndProps(handle, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                      properties, static_cast<int>(std::size(properties)));
    } else {
        accessibility->SetHwndPropStr(handle, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                      property, text.c_str());
    }
}

} // namespace

void setAccessibleText(HWND handle, const std::wstring& name, const std::wstring& description) {
    IAccPropServices* accessibility = propertyService();
    if (!accessibility)
        return;
    setOrClear(accessibility, handle, PROPID_ACC_NAME, name);
    setOrClear(accessibility, handle, PROPID_ACC_DESCRIPTION, description);
}

// Annotations live beside the control in the service; they must go before
// the control does.
void forgetAccessibleText(HWND handle) {
    if (!service)
        return;
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    service->ClearHwndProps(handle, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties,
                            static_cast<int>(std::size(properties)));
}

void releaseAccessibility() {
    if (service)
        service->Release();
    service = nullptr;
    if (comStarted)
        CoUninitialize();
    comStarted = false;
    tried = false;
}

} // namespace ui::detail
