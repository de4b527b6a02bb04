// Starting and stopping the toolkit, the fonts it hands to gadgets, and what
// it learns once about the platform.
#include "ui/toolkit.h"
#include "ui/win32/gadget_record.h"
#include "ui/win32/system_library.h"

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
int gadgetFont = kDefaultFont;
int stylesActive = -1; // not yet settled

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

int currentGadgetFont() { return gadgetFont; }
void setCurrentGadgetFont(int font) { gadgetFont = font; }

bool visualStylesActive() {
    if (stylesActive < 0) {
        const auto isAppThemed = themeFunctions().isAppThemed;
        stylesActive = isAppThemed && isAppThemed() && commonControlsVersion() >= 6 ? 1 : 0;
    }
    return stylesActive == 1;
}

} // namespace ui::detail

namespace ui {

void initToolkit() {
    using namespace detail;
    icon = static_cast<HICON>(
        LoadImageW(instance(), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, kBigIcon, kBigIcon, 0));
    smallIcon = static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(kIconResource),
                                              IMAGE_ICON, kSmallIcon, kSmallIcon, 0));
    cursor = LoadCursorW(nullptr, IDC_ARROW);
    defaultFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    createdFont = messageFont();
    if (createdFont)
        defaultFont = createdFont;
    gadgetFont = kDefaultFont;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

void closeToolkit() {
    using namespace detail;
    {
        // Nothing that tearing the windows down makes the controls report
        // is the user's.
        SuppressEvents suppress;
        destroyAllWindows();
    }
    dropAllEvents();
    deleteAllBrushes();
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
    gadgetFont = kDefaultFont;
    stylesActive = -1;
}

} // namespace ui
