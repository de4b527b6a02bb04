// Starting and stopping the toolkit, the window table, and creating the
// window and its gadgets.
#include "ui/toolkit.h"
#include "ui/core/event_queue.h"
#include "ui/core/records.h"

#include <map>

namespace ui::detail {
namespace {

std::map<int, WindowRecord> windows;
int containerNumber = 0; // the window opened last holds the gadgets made next
int gadgetFont = kDefaultFont;

// Creates a visible control of the kind in the current container and stores
// its record; 0 when there is no container or the platform refuses, and the
// number stays free (an older gadget of that number is kept).
int createGadget(GadgetKind kind, int number, Box box, const std::u16string& text, int flags) {
    const WindowRecord* window = findWindow(containerNumber);
    if (!window || number < 0)
        return 0;
    const Native native =
        backend::createControl(window->native, kind, number, box, text, flags, faceOf(gadgetFont));
    if (!native)
        return 0;
    addGadget(number, window->number, kind, native);
    return 1;
}

} // namespace

WindowRecord* findWindow(int number) {
    auto found = windows.find(number);
    return found == windows.end() ? nullptr : &found->second;
}

void setGadgetFont(int font) { gadgetFont = font; }

// The toolkit draws in two faces. A font value other than kDefaultFont names
// no font of the toolkit's; the program passes one for the letter labels,
// which then draw in the system font's bold face (on Windows, a control
// given a value that names no font draws in the stock system font, bold).
Face faceOf(int font) { return font == kDefaultFont ? Face::Default : Face::Bold; }

} // namespace ui::detail

namespace ui {

using detail::createGadget;

void initToolkit() {
    detail::windows.clear();
    detail::containerNumber = 0;
    detail::gadgetFont = kDefaultFont;
    backend::start();
}

// Every window goes, and its gadgets with it. The records go first and
// events stay suppressed throughout, so nothing the platform reports while
// the controls are torn down comes back as an event.
void closeToolkit() {
    detail::SuppressEvents suppress;
    detail::forgetAllGadgets();
    std::map<int, detail::WindowRecord> closing = std::move(detail::windows);
    detail::windows.clear();
    detail::containerNumber = 0;
    for (auto& [number, window] : closing)
        backend::destroyWindow(window.native);
    detail::dropAllEvents();
    detail::gadgetFont = kDefaultFont;
    backend::stop();
}

// A number already in use is refused: the program opens each window once,
// and replacing one would orphan its gadgets.
int newWindow(int number, int x, int y, int width, int height, const std::u16string& title,
              int flags) {
    if (number <= 0 || width <= 0 || height <= 0 || detail::findWindow(number))
        return 0;
    const Native native = backend::createWindow(number, Box{x, y, width, height}, title, flags);
    if (!native)
        return 0;
    detail::windows[number] = detail::WindowRecord{number, native, 0};
    detail::containerNumber = number;
    return 1;
}

int newButton(int number, int x, int y, int width, int height, const std::u16string& text) {
    return createGadget(GadgetKind::PushButton, number, Box{x, y, width, height}, text, 0);
}

int newLabel(int number, int x, int y, int width, int height, const std::u16string& text,
             int flags) {
    return createGadget(GadgetKind::TextLabel, number, Box{x, y, width, height}, text, flags);
}

int newDropDownList(int number, int x, int y, int width, int height) {
    return createGadget(GadgetKind::DropDownList, number, Box{x, y, width, height}, u"", 0);
}

int newTickBox(int number, int x, int y, int width, int height, const std::u16string& text) {
    return createGadget(GadgetKind::TickBox, number, Box{x, y, width, height}, text, 0);
}

// A new text area may report a change or a focus of its own while the
// platform sets it up; none of that is the user's.
int newTextArea(int number, int x, int y, int width, int height, int flags) {
    detail::SuppressEvents suppress;
    return createGadget(GadgetKind::TextArea, number, Box{x, y, width, height}, u"", flags);
}

} // namespace ui

namespace ui::core {

Native nativeWindow(int number) {
    const detail::WindowRecord* record = detail::findWindow(number);
    return record ? record->native : nullptr;
}

int windowNumber(Native window) {
    for (const auto& [number, record] : detail::windows) {
        if (record.native == window && window)
            return number;
    }
    return 0;
}

} // namespace ui::core
