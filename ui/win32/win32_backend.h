// Private to the Win32 backend (and its tests): what its files share. The
// toolkit core decides what each operation means; these only make, change
// and read the controls, and turn what the user does into reports.
#pragma once

#include "ui/backend.h"

#include <windows.h>

#include <string>

namespace ui::detail {

// --- start, stop, fonts and platform facts (toolkit.cpp) ---
HINSTANCE instance();
HICON windowIcon();
HICON windowSmallIcon();
HCURSOR windowCursor();
// -1 is the default gadget font; any other value goes to the platform as a
// font handle, unchecked.
HFONT fontHandle(int font);
// Whether the controls draw with visual styles: settled at the first call.
bool visualStylesActive();
// For tests: the next settling takes visual styles as active, as Windows 10
// and 11 do, whatever the platform says.
void forceVisualStyles(bool on);
std::wstring toWide(const std::u16string& text);

// A visible child control of the window with the gadget number as its
// identifier, drawing with the font given; nullptr when the platform refuses.
HWND createChild(HWND window, const wchar_t* className, DWORD style, DWORD extendedStyle,
                 int number, Box box, const std::wstring& text, int font);

// --- the window (window.cpp) and the wait (events.cpp) ---
// The Tab and Shift+Tab keys, and their commands.
HACCEL tabAccelerators();
constexpr WORD kNextGadget = 1;
constexpr WORD kPreviousGadget = 2;
// Set when the core left a Tab to the focused text area: the key then goes
// on to it as a plain key.
extern bool tabLeftToControl;

// --- per kind (one source file each) ---
// Each makes its kind of control; text and flags as createControl's.
using CreateControl = HWND(HWND window, int number, Box box, const std::wstring& text, int flags,
                           int font);
CreateControl createButton, createLabel, createDropDownList, createTickBox, createTextArea;

// A control's notification (WM_COMMAND), offered to its kind; false when
// the kind leaves it to the generic handling (the code as the event type).
bool takeListNotification(HWND list, int number, int code);
bool takeTextAreaNotification(HWND area, int number, int code);
void setListFont(HWND list, HFONT font);
void setTextAreaText(HWND area, const std::wstring& text);
void releaseTextAreaLibrary();
// The answer to WM_CTLCOLORSTATIC for a label, or nullptr for the
// platform's default look.
HBRUSH paintLabel(int number, HDC context);

// --- screen-reader names (accessible_names.cpp) ---
void forgetAccessibleText(HWND handle);
void releaseAccessibility();

} // namespace ui::detail
