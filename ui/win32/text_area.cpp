// The multi-line text area: a rich-edit control, editable, unlimited,
// optionally word-wrapped.
#include "ui/toolkit.h"
#include "ui/win32/system_library.h"
#include "ui/win32/win32_backend.h"

#include <commctrl.h>
#include <richedit.h>
#include <vsstyle.h>

#include <iterator>

namespace ui::win32 {
namespace {

constexpr UINT kUtf8 = 65001;

struct RichEditLibrary {
    const wchar_t* file;
    const wchar_t* className;
};

// The newest rich edit that the system has, else an older one.
constexpr RichEditLibrary kLibraries[] = {
    {L"MSFTEDIT.DLL", L"RICHEDIT50W"},
    {L"RICHED20.DLL", L"RichEdit20W"},
    {L"RICHED32.DLL", L"RichEdit"},
};

// Loaded with the first text area, freed at the end.
const wchar_t* richEditClass() {
    State& kept = state();
    for (std::size_t i = 0; !kept.richEdit && i < std::size(kLibraries); ++i) {
        kept.richEdit = loadSystemLibrary(kLibraries[i].file);
        if (kept.richEdit)
            kept.richEditClass = kLibraries[i].className;
    }
    return kept.richEditClass;
}

// A long list is copied once, straight from the program's UTF-16 (which is
// Windows' wchar_t).
std::string toUtf8(const std::u16string& text) {
    const auto* units = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, units, size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, units, size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

// The rich edit draws a plain border whatever the visual style. With visual
// styles active it gets a one-pixel border (WS_BORDER), which is painted
// over here in the theme's colours for an edit field, focused or not.
LRESULT CALLBACK themedBorder(HWND area, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    switch (message) {
    case WM_NCPAINT: {
        const LRESULT result = DefSubclassProc(area, message, wParam, lParam);
        const ThemeFunctions& uxtheme = themeFunctions();
        if (!uxtheme.openThemeData || !uxtheme.drawThemeBackground || !uxtheme.closeThemeData)
            return result;
        if (const HTHEME theme = uxtheme.openThemeData(area, L"EDIT")) {
            RECT outer{};
            GetWindowRect(area, &outer);
            OffsetRect(&outer, -outer.left, -outer.top);
            const HDC context = GetWindowDC(area);
            ExcludeClipRect(context, outer.left + 1, outer.top + 1, outer.right - 1,
                            outer.bottom - 1);
            const int state = GetFocus() == area ? EPSHV_FOCUSED : EPSHV_NORMAL;
            uxtheme.drawThemeBackground(theme, context, EP_EDITBORDER_HVSCROLL, state, &outer,
                                        nullptr);
            ReleaseDC(area, context);
            uxtheme.closeThemeData(theme);
        }
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(area, message, wParam, lParam);
        RedrawWindow(area, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(area, themedBorder, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(area, message, wParam, lParam);
}

} // namespace

// Other codes than these pass through as the type.
void reportTextAreaNotification(int number, int code) {
    switch (code) {
    case EN_CHANGE:
        return core::reportGadget(number, kChange);
    case EN_SETFOCUS:
        return core::reportGadget(number, kFocus);
    case EN_KILLFOCUS:
        return core::reportGadget(number, kFocusLost);
    case EN_UPDATE:
        // Windows sends it only to a parent that asked for it (ENM_UPDATE),
        // which this one never does; Wine sends it anyway, between every
        // two changes, where it would keep typed changes from coalescing.
        return;
    default:
        return core::reportGadget(number, code);
    }
}

void setTextAreaText(HWND area, const std::u16string& text) {
    if (text.empty()) {
        SetWindowTextW(area, L"");
        return;
    }
    // The whole content in one step.
    const std::string bytes = toUtf8(text);
    SetScrollPos(area, SB_HORZ, 0, TRUE);
    SETTEXTEX how{ST_DEFAULT, kUtf8};
    SendMessageW(area, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                 reinterpret_cast<LPARAM>(bytes.c_str()));
    // A new list is read from its top; some rich edits leave the caret and
    // the view at the end.
    SendMessageW(area, EM_SETSEL, 0, 0);
    SendMessageW(area, WM_VSCROLL, SB_TOP, 0);
}

HWND createTextArea(HWND window, int number, Box box, const std::wstring&, int flags, Face face) {
    const wchar_t* richEdit = richEditClass();
    if (!richEdit)
        return nullptr;
    const bool themed = visualStylesActive();
    const DWORD style = WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                        ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL | (themed ? WS_BORDER : 0);
    const HWND area = createChild(window, richEdit, style, themed ? 0 : WS_EX_CLIENTEDGE, number,
                                  box, std::wstring(), face);
    if (!area)
        return nullptr;
    if (themed)
        SetWindowSubclass(area, themedBorder, 0, 0);
    // No length limit. EM_LIMITTEXT with -1 means "none" to an edit control,
    // but a rich edit may take it as a count (Wine's then takes no typing at
    // all) or cap it at 64K characters: the largest positive count says
    // "none" to every version.
    SendMessageW(area, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    const LRESULT mask = SendMessageW(area, EM_GETEVENTMASK, 0, 0);
    SendMessageW(area, EM_SETEVENTMASK, 0, mask | ENM_CHANGE);
    if (flags & kTextAreaWrap)
        SendMessageW(area, EM_SETTARGETDEVICE, 0, 0);
    return area;
}

} // namespace ui::win32

namespace ui::backend {

// A plain Tab is typed into a text area the user can edit.
bool isEditable(Native control) {
    return !(GetWindowLongPtrW(static_cast<HWND>(control), GWL_STYLE) & ES_READONLY);
}

} // namespace ui::backend
