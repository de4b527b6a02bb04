// The gadget and window tables, and the operations that every kind of
// gadget shares. Each operation looks the number up and hands over to what
// the gadget's kind defines; a number that names no gadget does nothing.
#include "ui/toolkit.h"
#include "ui/win32/gadget_record.h"

#include <algorithm>
#include <map>
#include <memory>

namespace ui::detail {
namespace {

std::map<int, std::unique_ptr<GadgetRecord>> gadgets;
std::vector<int> creationOrder;
std::map<int, WindowRecord> windows;
int containerNumber = 0;

void forgetGadget(GadgetRecord& record) {
    if (record.kind == GadgetKind::TextLabel)
        releaseLabelBrush(record);
    forgetAccessibleText(record.handle);
}

void destroyGadget(int number) {
    auto found = gadgets.find(number);
    if (found == gadgets.end())
        return;
    const HWND handle = found->second->handle;
    forgetGadget(*found->second);
    gadgets.erase(found);
    creationOrder.erase(std::remove(creationOrder.begin(), creationOrder.end(), number),
                        creationOrder.end());
    DestroyWindow(handle);
}

bool isTabStop(const GadgetRecord& record) {
    if (record.kind == GadgetKind::TextLabel)
        return false;
    const LONG_PTR style = GetWindowLongPtrW(record.handle, GWL_STYLE);
    return (style & WS_TABSTOP) && IsWindowVisible(record.handle) && IsWindowEnabled(record.handle);
}

bool hasFocusWithin(HWND handle) {
    const HWND focused = GetFocus();
    return focused && (focused == handle || IsChild(handle, focused));
}

// Keys must never reach a hidden gadget. The focus is given up rather than
// moved on: the user chose no other gadget, and the next key should not act
// on one. The window itself takes it, so Tab starts again from the first
// gadget.
void giveUpFocus(const GadgetRecord& hidden) {
    WindowRecord* window = findWindow(hidden.window);
    if (!window)
        return;
    // The window hands a focus it receives to the gadget saved at its last
    // deactivation; that one was not chosen now either.
    window->lastFocus = nullptr;
    SetFocus(window->handle);
}

} // namespace

GadgetRecord* findGadget(int number) {
    auto found = gadgets.find(number);
    return found == gadgets.end() ? nullptr : found->second.get();
}

GadgetRecord* findGadget(HWND handle) {
    if (!handle)
        return nullptr;
    GadgetRecord* record = findGadget(GetDlgCtrlID(handle));
    return record && record->handle == handle ? record : nullptr;
}

WindowRecord* findWindow(int number) {
    auto found = windows.find(number);
    return found == windows.end() ? nullptr : &found->second;
}

WindowRecord* findWindow(HWND handle) {
    if (!handle)
        return nullptr;
    for (auto& [number, window] : windows) {
        if (window.handle == handle)
            return &window;
    }
    return nullptr;
}

WindowRecord* currentContainer() { return findWindow(containerNumber); }

GadgetRecord* createGadget(int number, GadgetKind kind, const wchar_t* className, DWORD style,
                           DWORD extendedStyle, int x, int y, int width, int height,
                           const std::wstring& text) {
    WindowRecord* window = currentContainer();
    if (!window || number < 0)
        return nullptr;
    const HWND handle = CreateWindowExW(
        extendedStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
        window->handle, reinterpret_cast<HMENU>(static_cast<INT_PTR>(number)), instance(), nullptr);
    if (!handle)
        return nullptr;
    destroyGadget(number);
    auto record = std::make_unique<GadgetRecord>();
    record->number = number;
    record->window = window->number;
    record->kind = kind;
    record->handle = handle;
    GadgetRecord& stored = *record;
    gadgets[number] = std::move(record);
    creationOrder.push_back(number);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle(currentGadgetFont())),
                 TRUE);
    return &stored;
}

WindowRecord& registerWindow(int number, HWND handle, const std::wstring& className,
                             HACCEL accelerators) {
    WindowRecord& record = windows[number];
    record = WindowRecord{number, handle, className, accelerators, nullptr};
    containerNumber = number;
    return record;
}

std::vector<HWND> tabStops(int window) {
    std::vector<HWND> stops;
    for (int number : creationOrder) {
        const GadgetRecord& record = *gadgets[number];
        if (record.window == window && isTabStop(record))
            stops.push_back(record.handle);
    }
    return stops;
}

void moveFocus(int window, bool backwards) {
    const std::vector<HWND> stops = tabStops(window);
    if (stops.empty())
        return;
    const auto here = std::find_if(stops.begin(), stops.end(), hasFocusWithin);
    const int count = static_cast<int>(stops.size());
    int next;
    if (here == stops.end())
        next = backwards ? count - 1 : 0;
    else
        next = (static_cast<int>(here - stops.begin()) + (backwards ? count - 1 : 1)) % count;
    SetFocus(stops[static_cast<std::size_t>(next)]);
    // Moving by keyboard shows where the focus is, as in a dialog box.
    if (WindowRecord* record = findWindow(window))
        SendMessageW(record->handle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void destroyAllWindows() {
    for (auto& [number, record] : gadgets)
        forgetGadget(*record);
    gadgets.clear();
    creationOrder.clear();
    // The records go first, so that what the window procedure sees while the
    // windows are torn down is no longer reported.
    std::map<int, WindowRecord> closing = std::move(windows);
    windows.clear();
    containerNumber = 0;
    for (auto& [number, window] : closing) {
        // Destroying a window destroys its gadgets, its children.
        DestroyWindow(window.handle);
        if (window.accelerators)
            DestroyAcceleratorTable(window.accelerators);
        UnregisterClassW(window.className.c_str(), instance());
    }
}

std::wstring toWide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

} // namespace ui::detail

namespace ui {

using detail::findGadget;
using detail::GadgetKind;
using detail::GadgetRecord;

HWND gadgetHandle(int number) {
    GadgetRecord* record = findGadget(number);
    return record ? record->handle : nullptr;
}

HWND windowHandle(int number) {
    detail::WindowRecord* record = detail::findWindow(number);
    return record ? record->handle : nullptr;
}

void setFont(int number, int font) {
    if (number == kAllNewGadgets) {
        detail::setCurrentGadgetFont(font);
        return;
    }
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    const HFONT handle = detail::fontHandle(font);
    if (record->kind == GadgetKind::DropDownList)
        detail::setListFont(record->handle, handle);
    else
        SendMessageW(record->handle, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    if (record->kind == GadgetKind::TextArea)
        record->font = font;
}

void addItem(int number, int position, const std::u16string& text) {
    GadgetRecord* record = findGadget(number);
    if (!record || record->kind != GadgetKind::DropDownList)
        return;
    // The program fills its lists itself; that is no selection by the user.
    detail::SuppressEvents suppress;
    detail::insertListItem(record->handle, position, detail::toWide(text));
}

void setState(int number, int value) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    // A selection or tick set by the program must not look like the user's.
    detail::SuppressEvents suppress;
    switch (record->kind) {
    case GadgetKind::DropDownList:
        detail::selectListItem(record->handle, value);
        break;
    case GadgetKind::TickBox:
        SendMessageW(record->handle, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    default:
        break;
    }
}

int getState(int number) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return 0;
    switch (record->kind) {
    case GadgetKind::DropDownList:
        return detail::selectedListItem(record->handle);
    case GadgetKind::TickBox:
        return SendMessageW(record->handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    default:
        return 0;
    }
}

void setText(int number, const std::u16string& text) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    // Text written by the program is no edit by the user.
    detail::SuppressEvents suppress;
    switch (record->kind) {
    case GadgetKind::TextArea:
        detail::setTextAreaText(record->handle, detail::toWide(text));
        break;
    case GadgetKind::TextLabel:
    case GadgetKind::PushButton:
    case GadgetKind::TickBox:
        SetWindowTextW(record->handle, detail::toWide(text).c_str());
        break;
    case GadgetKind::DropDownList:
        break;
    }
}

void removeAllItems(int number) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    // Not suppressed: emptying the text area reports a change, which arrives
    // as an event of the text area and is ignored like all of its events.
    if (record->kind == GadgetKind::TextArea)
        detail::setTextAreaText(record->handle, std::wstring());
}

void setHidden(int number, int hidden) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    const bool hadFocus = hidden != 0 && detail::hasFocusWithin(record->handle);
    ShowWindow(record->handle, hidden != 0 ? SW_HIDE : SW_SHOW);
    if (hadFocus)
        detail::giveUpFocus(*record);
}

void setColour(int number, int which, int colour) {
    GadgetRecord* record = findGadget(number);
    if (!record || record->kind != GadgetKind::TextLabel)
        return;
    detail::setLabelColour(*record, which, colour);
}

void setAccessibleName(int number, const std::u16string& name, const std::u16string& description) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    detail::setAccessibleText(record->handle, detail::toWide(name), detail::toWide(description));
    record->hasAccessibleName = !name.empty();
}

void setLabelledBy(int number, int label) {
    GadgetRecord* gadget = findGadget(number);
    GadgetRecord* named = findGadget(label);
    if (!gadget || !named || named->kind != GadgetKind::TextLabel || gadget->hasAccessibleName)
        return;
    // Windows has no link from a control to its label that screen readers
    // follow for controls created before the label, so the label's text
    // becomes the gadget's name.
    const int length = GetWindowTextLengthW(named->handle);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(named->handle, text.data(), length + 1)));
    detail::setAccessibleText(gadget->handle, text, std::wstring());
}

} // namespace ui
