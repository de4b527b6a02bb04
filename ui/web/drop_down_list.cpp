#include "ui/web/dom.h"

namespace ui::backend {

using web::element;

void insertItem(Native list, int position, const std::u16string& text) {
    web_insertItem(element(list), position, text.c_str(), web::length(text));
}

void selectItem(Native list, int index) { web_selectItem(element(list), index); }
int selectedItem(Native list) { return web_selectedItem(element(list)); }

} // namespace ui::backend
