// Starting and stopping the backend, the faces it hands to controls, what it
// learns once about the platform, and what every kind of control shares.
#include "ui/test_hooks.h"
#include "ui/win32/system_library.h"
#include "ui/win32/win32_backend.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <iterator>
#include <memory>

namespace ui::win32 {
namespace {

constexpr int kIconResource = 1;
// The icon file holds an image drawn for each size; these are picked by size
// rather than scaled from the system's default (32).
constexpr int kBigIcon = 64;
constexpr int kSmallIcon = 16;
// The size of the non-client metrics without the padded border that later
// Windows added, so that every version accepts it.
constexpr UINT kNonClientMetricsSize = 500;

std::unique_ptr<State> current;
// For tests, across starts: visual styles count as active.
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
    DLLGETVERSIONPROC getVersion = nullptr;
    if (const HMODULE library = GetModuleHandleW(L"comctl32.dll"))
        find(library, "DllGetVersion", getVersion);
    DLLVERSIONINFO version{};
    version.cbSize = sizeof version;
    return getVersion && SUCCEEDED(getVersion(&version)) ? version.dwMajorVersion : 0;
}

HICON loadIcon(int size) {
    return static_cast<HICON>(
        LoadImageW(instance(), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0));
}

} // namespace

State& state() { return *current; }
HINSTANCE instance() { return GetModuleHandleW(nullptr); }
HFONT fontOf(Face face) { return state().faces[static_cast<int>(face)]; }

bool visualStylesActive() {
    if (state().stylesActive < 0) {
        const auto isAppThemed = themeFunctions().isAppThemed;
        state().stylesActive =
            stylesForced || (isAppThemed && isAppThemed() && commonControlsVersion() >= 6) ? 1 : 0;
    }
    return state().stylesActive == 1;
}

std::wstring toWide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

HWND createChild(HWND window, const wchar_t* className, DWORD style, DWORD extendedStyle,
                 int number, Box box, const std::wstring& text, Face face) {
    const HWND handle =
        CreateWindowExW(extendedStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                        box.x, box.y, box.width, box.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(number)), instance(), nullptr);
    if (handle)
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(face)), TRUE);
    return handle;
}

} // namespace ui::win32

void ui::test::forceVisualStyles(bool on) { win32::stylesForced = on; }

namespace ui::backend {

using namespace win32;

// The default face is the desktop's message font, else the stock GUI font;
// the bold one is the stock system font, as a control given no font of its
// own draws in.
void start() {
    current = std::make_unique<State>();
    State& kept = state();
    kept.icon = loadIcon(kBigIcon);
    kept.smallIcon = loadIcon(kSmallIcon);
    kept.cursor = LoadCursorW(nullptr, IDC_ARROW);
    kept.createdFont = messageFont();
    kept.faces[0] =
        kept.createdFont ? kept.createdFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    kept.faces[1] = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    ACCEL keys[] = {{FVIRTKEY, VK_TAB, kNextGadget}, {FVIRTKEY | FSHIFT, VK_TAB, kPreviousGadget}};
    kept.tabKeys = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

void stop() {
    releaseAccessibility();
    State& kept = state();
    if (kept.richEdit)
        FreeLibrary(kept.richEdit);
    for (const HICON icon : {kept.icon, kept.smallIcon}) {
        if (icon)
            DestroyIcon(icon);
    }
    if (kept.createdFont)
        DeleteObject(kept.createdFont);
    DestroyAcceleratorTable(kept.tabKeys);
    current.reset();
}

Native createControl(Native window, GadgetKind kind, int number, Box box,
                     const std::u16string& text, int flags, Face face) {
    static constexpr CreateControl* kinds[] = {createButton, createLabel, createDropDownList,
                                               createTickBox, createTextArea};
    return kinds[static_cast<int>(kind)](static_cast<HWND>(window), number, box, toWide(text),
                                         flags, face);
}

void destroyControl(Native control) {
    forgetAccessibleText(static_cast<HWND>(control));
    DestroyWindow(static_cast<HWND>(control));
}

void setFont(Native control, GadgetKind kind, Face face) {
    const auto handle = static_cast<HWND>(control);
    if (kind == GadgetKind::DropDownList)
        setListFont(handle, fontOf(face));
    else
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(face)), TRUE);
}

void setText(Native control, GadgetKind kind, const std::u16string& text) {
    if (kind == GadgetKind::TextArea)
        setTextAreaText(static_cast<HWND>(control), text);
    else
        SetWindowTextW(static_cast<HWND>(control), toWide(text).c_str());
}

void setVisible(Native control, bool visible) {
    ShowWindow(static_cast<HWND>(control), visible ? SW_SHOW : SW_HIDE);
}

} // namespace ui::backend
