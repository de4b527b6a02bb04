// Private to the toolkit layer (and its tests): the record kept for every
// gadget and window, the event queue's entry points, and the per-kind parts
// that the generic operations and the window procedure hand over to.
#pragma once

#include "ui/core/event_queue.h"

#include <windows.h>

#include <string>
#include <vector>

namespace ui::detail {

enum class GadgetKind { PushButton, TextLabel, DropDownList, TickBox, TextArea };

struct GadgetRecord {
    int number = 0;
    int window = 0; // number of the window that holds the gadget
    GadgetKind kind = GadgetKind::PushButton;
    HWND handle = nullptr;
    // Text labels: both colours start as "none"; the label holds a reference
    // on the shared brush of its background colour while that is set.
    int textColour = -1;
    int backgroundColour = -1;
    // Text area: the font it was last given.
    int font = -1;
    // Set once the program named the gadget for screen readers itself, so a
    // label's text does not replace that name.
    bool hasAccessibleName = false;
};

struct WindowRecord {
    int number = 0;
    HWND handle = nullptr;
    std::wstring className;
    HACCEL accelerators = nullptr;
    // The gadget that had the keyboard focus when the window was last
    // deactivated; it gets the focus back when the window is activated.
    HWND lastFocus = nullptr;
};

// --- registry (gadgets.cpp) ---
GadgetRecord* findGadget(int number);
GadgetRecord* findGadget(HWND handle);
WindowRecord* findWindow(int number);
WindowRecord* findWindow(HWND handle);
// The window that new gadgets go into, or nullptr before the first window.
WindowRecord* currentContainer();
// Creates a gadget's control as a visible child of the current container,
// with the gadget number as its control identifier, stores its record
// (destroying an older gadget of that number) and gives it the current
// gadget font. nullptr when there is no container or the platform refuses.
GadgetRecord* createGadget(int number, GadgetKind kind, const wchar_t* className, DWORD style,
                           DWORD extendedStyle, int x, int y, int width, int height,
                           const std::wstring& text);
WindowRecord& registerWindow(int number, HWND handle, const std::wstring& className,
                             HACCEL accelerators);
// The gadgets of one window that can take the keyboard focus now, in
// creation order.
std::vector<HWND> tabStops(int window);
// Moves the keyboard focus of a window to the next (or previous) tab stop,
// wrapping at either end.
void moveFocus(int window, bool backwards);
void destroyAllWindows();

// --- fonts and platform facts (toolkit.cpp) ---
HINSTANCE instance();
HICON windowIcon();
HICON windowSmallIcon();
HCURSOR windowCursor();
// -1 is the default gadget font; any other value goes to the platform as a
// font handle, unchecked.
HFONT fontHandle(int font);
int currentGadgetFont();
void setCurrentGadgetFont(int font);
// Whether the controls draw with visual styles: settled at the first call.
bool visualStylesActive();

// --- events: the shared queue (ui/core/event_queue.h); nextEvent in events.cpp ---

// --- window (window.cpp) ---
// Whether a window's keyboard accelerators may see this message: a plain
// Tab typed into an editable text area belongs to the text area.
bool acceleratorsMaySee(const MSG& message);

// --- per kind (one source file each) ---
// A control's notification, offered to its kind first; false when the kind
// leaves it to the generic handling.
bool takeListNotification(const GadgetRecord& list, int code);
bool takeTextAreaNotification(const GadgetRecord& area, int code);

void insertListItem(HWND list, int position, const std::wstring& text);
void selectListItem(HWND list, int index);
int selectedListItem(HWND list);
void setListFont(HWND list, HFONT font);

void setLabelColour(GadgetRecord& label, int which, int colour);
void releaseLabelBrush(GadgetRecord& label);
// The answer to WM_CTLCOLORSTATIC for a label, or nullptr for the
// platform's default look.
HBRUSH paintLabel(const GadgetRecord& label, HDC context);
int liveBrushCount();
void deleteAllBrushes();

void setTextAreaText(HWND area, const std::wstring& text);
bool isEditableTextArea(HWND handle);
void releaseTextAreaLibrary();

// Screen-reader names (gadgets.cpp).
void setAccessibleText(HWND handle, const std::wstring& name, const std::wstring& description);
void forgetAccessibleText(HWND handle);
void releaseAccessibility();

std::wstring toWide(const std::u16string& text);

} // namespace ui::detail

namespace ui {
// For tests: the platform window behind a gadget or window number, or
// nullptr.
HWND gadgetHandle(int number);
HWND windowHandle(int number);
} // namespace ui
