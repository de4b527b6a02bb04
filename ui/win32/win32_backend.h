// Private to the Win32 backend: what its files share. The toolkit core
// decides what each operation means; these only make, change and read the
// controls, and turn what the user does into reports.
#pragma once

#include "ui/backend.h"

#include <windows.h>

#include <set>
#include <string>

struct IAccPropServices;

namespace ui::win32 {

// What the backend keeps from start() to stop() (toolkit.cpp); what it
// learns or loads on the way is settled at first use.
struct State {
    HICON icon = nullptr, smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HFONT faces[2] = {};         // by Face
    HFONT createdFont = nullptr; // the one font of ours
    int stylesActive = -1;       // whether visual styles are active; -1: not yet settled
    // The Tab and Shift+Tab keys, and whether the core left the last one to
    // the focused text area (window.cpp, events.cpp).
    HACCEL tabKeys = nullptr;
    bool tabLeftToControl = false;
    // What a closed drop-down list adds around its selection field: borders
    // and padding, measured again at each creation (drop_down_list.cpp).
    int fieldOverhead = 0;
    // The rich-edit library and its class (text_area.cpp).
    HMODULE richEdit = nullptr;
    const wchar_t* richEditClass = nullptr;
    // The screen readers' property service, and the controls the program
    // named itself (accessible_names.cpp).
    bool accessibilityTried = false, comStarted = false;
    IAccPropServices* accessibility = nullptr;
    std::set<HWND> named;
};
State& state();

constexpr WORD kNextGadget = 1;
constexpr WORD kPreviousGadget = 2;

HINSTANCE instance();
// Whether the controls draw with visual styles: settled at the first call.
bool visualStylesActive();
std::wstring toWide(const std::u16string& text);

// A visible child control of the window with the gadget number as its
// identifier, drawing in the face given; nullptr when the platform refuses.
HWND createChild(HWND window, const wchar_t* className, DWORD style, DWORD extendedStyle,
                 int number, Box box, const std::wstring& text, Face face);
HFONT fontOf(Face face);

// --- per kind (one source file each) ---
// Each makes its kind of control; text and flags as createControl's.
using CreateControl = HWND(HWND window, int number, Box box, const std::wstring& text, int flags,
                           Face face);
CreateControl createButton, createLabel, createDropDownList, createTickBox, createTextArea;

// A list's and a text area's notifications (WM_COMMAND), turned into reports.
void reportListNotification(int number, int code);
void reportTextAreaNotification(int number, int code);
void setListFont(HWND list, HFONT font);
// Out of memory for its copy of the text, it throws std::bad_alloc and
// leaves the area as it was.
void setTextAreaText(HWND area, const std::u16string& text);
// The answer to WM_CTLCOLORSTATIC for a label, or nullptr for the
// platform's default look.
HBRUSH paintLabel(int number, HDC context);

// --- screen-reader names (accessible_names.cpp) ---
void forgetAccessibleText(HWND handle);
void releaseAccessibility();

} // namespace ui::win32
