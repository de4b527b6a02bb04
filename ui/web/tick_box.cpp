#include "ui/web/dom.h"

namespace ui::backend {

using web::element;

void setTicked(Native box, bool ticked) { web_setTicked(element(box), ticked); }
bool ticked(Native box) { return web_ticked(element(box)) != 0; }

} // namespace ui::backend
