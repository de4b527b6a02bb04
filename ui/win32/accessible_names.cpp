// What screen readers are told about a gadget, through the accessibility
// property service: the control's own accessible object gets a name and a
// description that override what Windows would guess. Nothing on screen
// changes. Where the service is missing, gadgets keep Windows' own names.
#include "ui/win32/win32_backend.h"

#include <initguid.h> // defines the service's identifiers in this file

#include <oleacc.h>

#include <iterator>

namespace ui::win32 {
namespace {

IAccPropServices* propertyService() {
    State& kept = state();
    if (kept.accessibilityTried)
        return kept.accessibility;
    kept.accessibilityTried = true;
    kept.comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    void* created = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &created)))
        kept.accessibility = static_cast<IAccPropServices*>(created);
    return kept.accessibility;
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

void setAccessibleText(HWND handle, const std::wstring& name, const std::wstring& description) {
    IAccPropServices* accessibility = propertyService();
    if (!accessibility)
        return;
    setOrClear(accessibility, handle, PROPID_ACC_NAME, name);
    setOrClear(accessibility, handle, PROPID_ACC_DESCRIPTION, description);
}

} // namespace

// Annotations live beside the control in the service; they must go before
// the control does.
void forgetAccessibleText(HWND handle) {
    State& kept = state();
    kept.named.erase(handle);
    if (!kept.accessibility)
        return;
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    kept.accessibility->ClearHwndProps(handle, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       properties, static_cast<int>(std::size(properties)));
}

void releaseAccessibility() {
    if (state().accessibility)
        state().accessibility->Release();
    if (state().comStarted)
        CoUninitialize();
}

} // namespace ui::win32

namespace ui::backend {

void setAccessibleName(Native control, const std::u16string& name,
                       const std::u16string& description) {
    const auto handle = static_cast<HWND>(control);
    win32::setAccessibleText(handle, win32::toWide(name), win32::toWide(description));
    // The controls the program named itself: a label's text does not replace
    // that name.
    if (name.empty())
        win32::state().named.erase(handle);
    else
        win32::state().named.insert(handle);
}

// Windows has no link from a control to its label that screen readers
// follow for controls created before the label, so the label's text becomes
// the control's name, unless the program named it.
void setLabelledBy(Native control, Native label) {
    const auto handle = static_cast<HWND>(control);
    if (win32::state().named.contains(handle))
        return;
    const auto labelHandle = static_cast<HWND>(label);
    const int length = GetWindowTextLengthW(labelHandle);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(labelHandle, text.data(), length + 1)));
    win32::setAccessibleText(handle, text, std::wstring());
}

} // namespace ui::backend
