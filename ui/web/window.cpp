// The window as a box of elements on the page, the keyboard focus, and the
// wait for the next thing the user does.
//
// The program's own loop runs unchanged: waitForPlatform suspends the
// WebAssembly stack (Asyncify) until a DOM event handler has run. The
// handlers report what the user did straight to the core through the
// exported functions below, so the events are queued by the time the wait
// returns.
#include "ui/toolkit.h"
#include "ui/web/dom.h"

#include <emscripten.h>

namespace ui::backend {

using web::element;
using web::native;

// The page's handlers report with the toolkit's own event types.
void start() { web_start(kClick, kChange, kFocus, kFocusLost); }
void stop() {}

Native createWindow(int, Box box, const std::u16string& title, int) {
    return native(
        web_createWindow(box.x, box.y, box.width, box.height, title.c_str(), web::length(title)));
}

void destroyWindow(Native window) { web_destroyElement(element(window)); }

Native focusedControl(Native window) { return native(web_focusedElement(element(window))); }
void focus(Native window, Native control) { web_focus(element(window), element(control)); }
bool isEditable(Native control) { return web_isEditable(element(control)) != 0; }

} // namespace ui::backend

// Resolves on the next DOM event that reaches one of the page's handlers;
// nothing times out. Before it waits, it tells the page, which may then
// read what the program holds (the advice panel, ui/web/page/panel.js); a
// listener's fault goes to the page's error handler, not into the program.
EM_ASYNC_JS(int, web_nextDomEvent, (), {
    document.dispatchEvent(new Event('larkspin-idle'));
    await new Promise(function(resolve) { Module.larkspinWake = resolve; });
    Module.larkspinWake = null;
    return 0;
});

namespace ui::backend {

// What the last handler wrote into text areas is shown before the wait, and
// new controls take their places in the touch layout.
int waitForPlatform() {
    web_placeNewControls();
    web_fillTextAreas();
    return web_nextDomEvent();
}

} // namespace ui::backend

// What the page's handlers call. They take the script's element numbers.
extern "C" {

// A select's change event is the user settling on an item.
EMSCRIPTEN_KEEPALIVE void web_reportGadget(int control, int type) {
    const int number = ui::core::gadgetNumber(ui::web::native(control));
    if (number && ui::core::gadgetKind(number) == ui::GadgetKind::DropDownList)
        ui::core::reportList(number, ui::ListReport::Chosen);
    else if (number)
        ui::core::reportGadget(number, type);
}

EMSCRIPTEN_KEEPALIVE int web_tabKey(int window, int backwards) {
    const int number = ui::core::windowNumber(ui::web::native(window));
    return number && ui::core::tabKey(number, backwards != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int web_tabLeaves(int window, int backwards) {
    const int number = ui::core::windowNumber(ui::web::native(window));
    return number && ui::core::tabLeavesWindow(number, backwards != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_windowActivation(int window, int active) {
    const int number = ui::core::windowNumber(ui::web::native(window));
    if (!number)
        return;
    if (active)
        ui::core::windowActivated(number);
    else
        ui::core::windowDeactivated(number);
}

} // extern "C"
