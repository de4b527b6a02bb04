// Waiting for the platform: one message, offered to the active window's Tab
// accelerators first, else translated and dispatched.
#include "ui/win32/win32_backend.h"

#include <iterator>

namespace ui::detail {

bool tabLeftToControl = false;

HACCEL tabAccelerators() {
    static const HACCEL table = [] {
        ACCEL keys[] = {
            {FVIRTKEY, VK_TAB, kNextGadget},
            {FVIRTKEY | FSHIFT, VK_TAB, kPreviousGadget},
        };
        return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
    }();
    return table;
}

} // namespace ui::detail

namespace ui::backend {

using namespace detail;

int waitForPlatform() {
    MSG message{};
    if (GetMessageW(&message, nullptr, 0, 0) <= 0)
        return 0;
    // Only our own windows have the accelerators. A Tab the core leaves to
    // the focused text area goes on as a plain key and is typed there.
    const HWND active = GetActiveWindow();
    tabLeftToControl = false;
    if (!core::windowNumber(active) ||
        !TranslateAcceleratorW(active, tabAccelerators(), &message) || tabLeftToControl) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.message);
}

} // namespace ui::backend
