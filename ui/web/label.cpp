// Label colours. A brush is the colour it fills with; the core shares one
// per colour in use.
#include "ui/web/dom.h"

namespace ui::backend {

Brush createBrush(int colour) { return new int(colour); }
void destroyBrush(Brush brush) { delete static_cast<int*>(brush); }

void repaint(Native label) {
    const core::LabelLook look = core::labelLook(core::gadgetNumber(label));
    const int fill = look.brush ? *static_cast<const int*>(look.brush) : -1;
    web_setLabelColours(web::element(label), look.text, fill);
}

} // namespace ui::backend
