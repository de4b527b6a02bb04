// The five kinds of control as native elements: button, a text label, select,
// a check box in a label of the gadget's size, and one textarea.
#include "ui/web/dom.h"

namespace ui::backend {

using web::element;
using web::native;

Native createControl(Native window, GadgetKind kind, int number, Box box,
                     const std::u16string& text, int flags, int font) {
    const int control =
        web_createControl(element(window), static_cast<int>(kind), number, box.x, box.y, box.width,
                          box.height, text.c_str(), web::length(text), flags);
    if (control && font != -1)
        setFont(native(control), kind, font);
    return native(control);
}

void destroyControl(Native control) { web_destroyElement(element(control)); }

// The page has one typeface; a value that names no font of the toolkit's
// draws in its bold face, as the system font is bold where these values
// come from.
void setFont(Native control, GadgetKind, int font) { web_setBold(element(control), font != -1); }

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
