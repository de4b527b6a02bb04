// What every kind of control has, and each kind's calls into its own file
// (button.js, label.js, drop_down_list.js, tick_box.js, text_area.js).
#include "ui/toolkit.h"
#include "ui/web/dom.h"

#include <emscripten.h>

#include <iterator>
#include <new>

// Resolves in a task of its own, so that what came in meanwhile is handled
// first, and at every other turn only once the next frame is painted: the
// controls made so far are then styled and laid out two turns at a time (the
// browser would otherwise put off painting and do all of that in one long
// frame at the end). The next turn starts then.
EM_ASYNC_JS(void, web_takeTurn, (), {
    const frame = (LK.turns = (LK.turns || 0) + 1) % 2 == 0;
    await new Promise(function(resolve) {
        frame ? requestAnimationFrame(function() { setTimeout(resolve, 0); })
              : setTimeout(resolve, 0);
    });
    LK.turnStart = performance.now();
});

namespace ui::backend {

using web::element;
using web::native;

// Each kind's element is made by its own function, in the order of GadgetKind.
constexpr CreateElement* kCreate[] = {web_createButton, web_createLabel, web_createDropDownList,
                                      web_createTickBox, web_createTextArea};
static_assert(static_cast<int>(GadgetKind::TextArea) == std::size(kCreate) - 1);

// The program makes all of its controls before its first wait. In one go
// that is a long task on a slow phone, during which the page neither paints
// nor answers: whenever the controls made since the last turn took long
// enough, the page gets a turn (through Asyncify), with every control made so
// far whole (the program finishes one before it makes the next) and in its
// place in the touch layout. What the user does meanwhile is handled once the
// program waits, except while the core suppresses events: a new text area
// takes no turn, as the core makes it with events suppressed.
Native createControl(Native window, GadgetKind kind, int number, Box box,
                     const std::u16string& text, int flags, Face face) {
    if (kind != GadgetKind::TextArea && web_turnIsDue()) {
        web_placeNewControls();
        web_takeTurn();
    }
    const int option = flags & (kind == GadgetKind::TextLabel ? kLabelCentred : kTextAreaWrap);
    const int control =
        kCreate[static_cast<int>(kind)](element(window), number, box.x, box.y, box.width,
                                        box.height, text.c_str(), web::length(text), option != 0);
    if (control && face != Face::Default)
        setFont(native(control), kind, face);
    return native(control);
}

void destroyControl(Native control) { web_destroyElement(element(control)); }

// The page has one typeface, drawn plain or bold.
void setFont(Native control, GadgetKind, Face face) {
    web_setBoldFace(element(control), face == Face::Bold);
}

void setText(Native control, GadgetKind kind, const std::u16string& text) {
    if (kind == GadgetKind::TextArea) {
        if (!web_setTextAreaText(element(control), text.c_str(), web::length(text)))
            throw std::bad_alloc();
    } else {
        web_setCaption(element(control), text.c_str(), web::length(text));
    }
}

void setVisible(Native control, bool visible) { web_setVisible(element(control), visible); }

void setAccessibleName(Native control, const std::u16string& name,
                       const std::u16string& description) {
    web_setAccessibleName(element(control), name.c_str(), web::length(name), description.c_str(),
                          web::length(description));
}

void setLabelledBy(Native control, Native label) {
    web_setLabelledBy(element(control), element(label));
}

// Label colours, in the look the core decided. A brush is the colour it
// fills with; the core shares one per colour in use.
Brush createBrush(int colour) { return new int(colour); }
void destroyBrush(Brush brush) { delete static_cast<int*>(brush); }

// web_setLabelColours takes the fill by its number.
static_assert(LabelLook::PlatformLook == 0 && LabelLook::ButtonFace == 1 &&
              LabelLook::OwnColour == 2);

void repaint(Native label, const LabelLook& look) {
    web_setLabelColours(element(label), look.fill, look.background, look.text);
}

// Drop-down lists and tick boxes.
void insertItem(Native list, int position, const std::u16string& text) {
    web_insertItem(element(list), position, text.c_str(), web::length(text));
}

void selectItem(Native list, int index) { web_selectItem(element(list), index); }
int selectedItem(Native list) { return web_selectedItem(element(list)); }

void setTicked(Native box, bool ticked) { web_setTicked(element(box), ticked); }
bool ticked(Native box) { return web_ticked(element(box)) != 0; }

} // namespace ui::backend
