// Waiting for the platform: one message, offered to the active window's Tab
// accelerators first, else translated and dispatched.
#include "ui/win32/win32_backend.h"

namespace ui::backend {

int waitForPlatform() {
    MSG message{};
    if (GetMessageW(&message, nullptr, 0, 0) <= 0)
        return 0;
    // Only our own windows have the accelerators. A Tab the core leaves to
    // the focused text area goes on as a plain key and is typed there.
    const HWND active = GetActiveWindow();
    win32::State& kept = win32::state();
    kept.tabLeftToControl = false;
    if (!core::windowNumber(active) || !TranslateAcceleratorW(active, kept.tabKeys, &message) ||
        kept.tabLeftToControl) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.message);
}

} // namespace ui::backend
