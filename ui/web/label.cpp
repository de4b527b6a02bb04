// Label colours, in the look the core decided. A brush is the colour it
// fills with; the core shares one per colour in use.
#include "ui/web/dom.h"

namespace ui::backend {

Brush createBrush(int colour) { return new int(colour); }
void destroyBrush(Brush brush) { delete static_cast<int*>(brush); }

// web_setLabelColours takes the fill by its number.
static_assert(LabelLook::PlatformLook == 0 && LabelLook::ButtonFace == 1 &&
              LabelLook::OwnColour == 2);

void repaint(Native label, const LabelLook& look) {
    web_setLabelColours(web::element(label), look.fill, look.background, look.text);
}

} // namespace ui::backend
