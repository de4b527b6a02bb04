// Starting and stopping the backend, the fonts it hands to controls, what it
// learns once about the platform, and what every kind of control shares.
#include "ui/toolkit.h"
#include "ui/win32/system_library.h"
#include "ui/win32/win32_backend.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <initializer_list>

namespace ui::detail {
namespace {

constexpr int kIconResource = 1;
// The icon file holds an image drawn for each size; these are picked by size
// rather than scaled from the system's default (32).
constexpr int kBigIcon = 64;
constexpr int kSmallIcon = 16;
// The size of the non-client metrics without the padded border that later
// Windows added, so that every version accepts it.
constexpr UINT kNonClientMetricsSize = 500;

HICON icon = nullptr;
HICON smallIcon = nullptr;
HCURSOR cursor = nullptr;
HFONT defaultFont = nullptr;
HFONT createdFont = nullptr; // the one font of ours, deleted at the end
int stylesActive = -1;       // not yet settled
bool stylesForced = false;

// The message-box font of the current desktop settings, or nullptr.
HFONT messageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0))
        return nullptr;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

// The major version that the loaded common-controls library reports, or 0.
DWORD commonControlsVersion() {
    const HMODULE library = GetModuleHandleW(L"comctl32.dll");
    if (!library)
        return 0;
    // Through a function type that any other converts to without a warning.
    const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "DllGetVersion")));
    if (!getVersion)
        return 0;
    DLLVERSIONINFO version{};
    version.cbSize = sizeof version;
    return SUCCEEDED(getVersion(&version)) ? version.dwMajorVersion : 0;
}

} // namespace

HINSTANCE instance() { return GetModuleHandleW(nullptr); }
HICON windowIcon() { return icon; }
HICON windowSmallIcon() { return smallIcon; }
HCURSOR windowCursor() { return cursor; }

HFONT fontHandle(int font) {
    if (font == kDefaultFont)
        return defaultFont;
    // Handed over as it is: a value that names no font leaves the control
    // drawing with the stock system font, a bold face.
    return reinterpret_cast<HFONT>(static_cast<INT_PTR>(font));
}

bool visualStylesActive() {
    if (stylesActive < 0) {
        const auto isAppThemed = themeFunctions().isAppThemed;
        stylesActive =
            stylesForced || (isAppThemed && isAppThemed() && commonControlsVersion() >= 6) ? 1 : 0;
    }
    return stylesActive == 1;
}

void forceVisualStyles(bool on) {
    stylesForced = on;
    stylesActive = -1;
}

std::wstring toWide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

HWND createChild(HWND window, const wchar_t* className, DWORD style, DWORD extendedStyle,
                 int number, Box box, const std::wstring& text, int font) {
    const HWND handle =
        CreateWindowExW(extendedStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                        box.x, box.y, box.width, box.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(number)), instance(), nullptr);
    if (handle)
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle(font)), TRUE);
    return handle;
}

} // namespace ui::detail

namespace ui::backend {

using namespace detail;

void start() {
    icon = static_cast<HICON>(
        LoadImageW(instance(), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, kBigIcon, kBigIcon, 0));
    smallIcon = static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(kIconResource),
                                              IMAGE_ICON, kSmallIcon, kSmallIcon, 0));
    cursor = LoadCursorW(nullptr, IDC_ARROW);
    defaultFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    createdFont = messageFont();
    if (createdFont)
        defaultFont = createdFont;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

void stop() {
    releaseTextAreaLibrary();
    releaseAccessibility();
    for (HICON* loaded : {&icon, &smallIcon}) {
        if (*loaded)
            DestroyIcon(*loaded);
        *loaded = nullptr;
    }
    if (createdFont)
        DeleteObject(createdFont);
    createdFont = nullptr;
    defaultFont = nullptr;
    stylesActive = -1;
}

Native createControl(Native window, GadgetKind kind, int number, Box box,
                     const std::u16string& text, int flags, int font) {
    static constexpr CreateControl* kinds[] = {createButton, createLabel, createDropDownList,
                                               createTickBox, createTextArea};
    return kinds[static_cast<int>(kind)](static_cast<HWND>(window), number, box, toWide(text),
                                         flags, font);
}

void destroyControl(Native control) {
    forgetAccessibleText(static_cast<HWND>(control));
    DestroyWindow(static_cast<HWND>(control));
}

void setFont(Native control, GadgetKind kind, int font) {
    const auto handle = static_cast<HWND>(control);
    if (kind == GadgetKind::DropDownList)
        setListFont(handle, fontHandle(font));
    else
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle(font)), TRUE);
}

void setText(Native control, GadgetKind kind, const std::u16string& text) {
    if (kind == GadgetKind::TextArea)
        setTextAreaText(static_cast<HWND>(control), toWide(text));
    else
        SetWindowTextW(static_cast<HWND>(control), toWide(text).c_str());
}

void setVisible(Native control, bool visible) {
    ShowWindow(static_cast<HWND>(control), visible ? SW_SHOW : SW_HIDE);
}

} // namespace ui::backend
