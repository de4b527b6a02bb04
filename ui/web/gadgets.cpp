// The five kinds of control as native elements: button, a text label, select,
// a check box in a label of the gadget's size, and one textarea.
#include "ui/web/dom.h"

namespace ui::backend {

using web::element;
using web::native;

Native createControl(Native window, GadgetKind kind, int number, Box box,
                     const std::u16string& text, int flags, Face face) {
    const int control =
        web_createControl(element(window), static_cast<int>(kind), number, box.x, box.y, box.width,
                          box.height, text.c_str(), web::length(text), flags);
    if (control && face != Face::Default)
        setFont(native(control), kind, face);
    return native(control);
}

void destroyControl(Native control) { web_destroyElement(element(control)); }

// The page has one typeface, drawn plain or bold.
void setFont(Native control, GadgetKind, Face face) {
    web_setBold(element(control), face == Face::Bold);
}

void setText(Native control, GadgetKind, const std::u16string& text) {
    web_setText(element(control), text.c_str(), web::length(text));
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

} // namespace ui::backend
