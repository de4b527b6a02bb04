// The page's side of the web backend: functions of ui/web/dom.js, which
// create and change the elements. An element is named by a small positive
// number of the script's own, which is what the core stores as the Native.
#pragma once

#include "ui/backend.h"

#include <cstdint>
#include <string>

extern "C" {
void web_start();
int web_createWindow(int x, int y, int width, int height, const char16_t* title, int titleLength);
void web_destroyElement(int element);
int web_createControl(int window, int kind, int number, int x, int y, int width, int height,
                      const char16_t* text, int textLength, int flags);
void web_setBold(int element, int bold);
void web_setText(int element, const char16_t* text, int length);
void web_showTexts();
void web_insertItem(int list, int position, const char16_t* text, int length);
void web_selectItem(int list, int index);
int web_selectedItem(int list);
void web_setTicked(int box, int ticked);
int web_ticked(int box);
void web_setVisible(int element, int visible);
int web_focusedElement(int window);
void web_focus(int window, int element);
int web_isEditable(int element);
void web_setLabelColours(int label, int fill, int colour, int text);
void web_setAccessibleName(int element, const char16_t* name, int nameLength,
                           const char16_t* description, int descriptionLength);
void web_setLabelledBy(int element, int label);
}

namespace ui::web {

inline int element(Native native) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(native));
}
inline Native native(int element) {
    return reinterpret_cast<Native>(static_cast<std::intptr_t>(element));
}
inline int length(const std::u16string& text) { return static_cast<int>(text.size()); }

} // namespace ui::web
