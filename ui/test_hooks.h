// What tests may reach of the toolkit beyond ui/toolkit.h and ui/backend.h.
// The program itself uses none of these.
#pragma once

namespace ui::test {

// The events that wait in the queue.
int pendingEventCount();
// The label brushes alive: one per background colour in use.
int liveBrushCount();
// Win32 only: from the next start, visual styles count as active (as on
// Windows 10 and 11) whatever the platform says; false asks it again.
void forceVisualStyles(bool on);

} // namespace ui::test
