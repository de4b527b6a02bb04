// Waiting for the next event: the shared queue first, then the messages of
// the platform.
#include "ui/toolkit.h"
#include "ui/win32/gadget_record.h"

namespace ui::detail {
namespace {

// The window whose accelerators see a message: the active one, if it is
// one of ours.
bool translateAccelerators(MSG& message) {
    WindowRecord* window = findWindow(GetActiveWindow());
    if (!window || !window->accelerators || !acceleratorsMaySee(message))
        return false;
    return TranslateAcceleratorW(window->handle, window->accelerators, &message) != 0;
}

} // namespace

} // namespace ui::detail

namespace ui {

int nextEvent() {
    if (const int code = detail::takeEvent())
        return code;
    // Blocks until the platform has something, then lets the window handle
    // it; whatever it posts comes out of the following calls.
    MSG message{};
    if (GetMessageW(&message, nullptr, 0, 0) <= 0)
        return 0;
    if (!detail::translateAccelerators(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The message's own number, which the caller ignores; it must never pass
    // for one of the two event codes.
    const int code = static_cast<int>(message.message);
    return code == kGadgetEvent || code == kCloseRequest ? 0 : code;
}

} // namespace ui
