#include "tests/core/fake_backend.h"
#include "ui/toolkit.h"

#include <memory>
#include <utility>

namespace fake {

std::vector<Window*> windows;
std::vector<Control*> controls;
int liveBrushes = 0;
bool refuseNext = false;
int changes = 0;
int echo = 0;

namespace {

std::vector<std::unique_ptr<Window>> allWindows;
std::vector<std::unique_ptr<Control>> allControls;

bool refused() { return std::exchange(refuseNext, false); }

Control& as(ui::Native native) { return *static_cast<Control*>(native); }

void echoChange() {
    ++changes;
    if (echo)
        ui::core::reportGadget(echo, ui::kChange);
}

// A control the core changes.
Control& changed(ui::Native native) {
    echoChange();
    return as(native);
}

} // namespace

Control* control(int number) {
    for (Control* c : controls) {
        if (c->number == number && !c->destroyed)
            return c;
    }
    return nullptr;
}

} // namespace fake

namespace ui::backend {

using fake::as;
using fake::changed;

void start() {}
void stop() {}

Native createWindow(int, Box, const std::u16string&, int) {
    if (fake::refused())
        return nullptr;
    fake::allWindows.push_back(std::make_unique<fake::Window>());
    fake::windows.push_back(fake::allWindows.back().get());
    return fake::windows.back();
}

void destroyWindow(Native) {
    for (fake::Control* c : fake::controls)
        c->destroyed = true;
}

Native createControl(Native, GadgetKind kind, int number, Box, const std::u16string&, int, int) {
    if (fake::refused())
        return nullptr;
    fake::echoChange();
    fake::allControls.push_back(std::make_unique<fake::Control>(fake::Control{kind, number}));
    fake::controls.push_back(fake::allControls.back().get());
    return fake::controls.back();
}

void destroyControl(Native control) { changed(control).destroyed = true; }
void setFont(Native control, GadgetKind, int) { changed(control); }
void setText(Native control, GadgetKind, const std::u16string&) { changed(control); }
void insertItem(Native list, int, const std::u16string&) { ++changed(list).items; }

void selectItem(Native list, int index) {
    changed(list).selected = index >= 0 && index < as(list).items ? index : -1;
}

int selectedItem(Native list) { return as(list).selected; }
void setTicked(Native box, bool ticked) { changed(box).ticked = ticked; }
bool ticked(Native box) { return as(box).ticked; }
void setVisible(Native control, bool) { changed(control); }
Native focusedControl(Native window) { return static_cast<fake::Window*>(window)->focused; }

void focus(Native window, Native control) {
    static_cast<fake::Window*>(window)->focused = static_cast<fake::Control*>(control);
}

bool isEditable(Native control) { return as(control).kind == GadgetKind::TextArea; }

Brush createBrush(int) {
    ++fake::liveBrushes;
    return &fake::liveBrushes;
}

void destroyBrush(Brush) { --fake::liveBrushes; }
void repaint(Native label) { changed(label); }
void setAccessibleName(Native, const std::u16string&, const std::u16string&) {}
void setLabelledBy(Native, Native) {}
int waitForPlatform() { return 0; }

} // namespace ui::backend
