// The page's side of the web backend: functions of dom.js and of the kinds'
// .js files beside it, which create and change the elements. An element is
// named by a small positive number of the script's own, which is what the
// core stores as the Native.
#pragma once

#include "ui/backend.h"

#include <cstdint>
#include <string>

// The kinds' creating functions all take the same arguments; option is a
// label's centring or the text area's wrapping.
using CreateElement = int(int window, int number, int x, int y, int width, int height,
                          const char16_t* text, int length, int option);

extern "C" {
// dom.js: what every control has.
void web_start(int click, int change, int focus, int focusLost);
int web_createWindow(int x, int y, int width, int height, const char16_t* title, int titleLength);
void web_destroyElement(int element);
void web_setCaption(int element, const char16_t* text, int length);
void web_setBoldFace(int element, int bold);
void web_setVisible(int element, int visible);
int web_focusedElement(int window);
void web_focus(int window, int element);
void web_setAccessibleName(int element, const char16_t* name, int nameLength,
                           const char16_t* description, int descriptionLength);
void web_setLabelledBy(int element, int label);
int web_turnIsDue();
// touch_layout.js
void web_placeNewControls();
// One file per kind.
CreateElement web_createButton, web_createLabel, web_createDropDownList, web_createTickBox,
    web_createTextArea;
void web_setLabelColours(int label, int fill, int colour, int text);
void web_insertItem(int list, int position, const char16_t* text, int length);
void web_selectItem(int list, int index);
int web_selectedItem(int list);
void web_setTicked(int box, int ticked);
int web_ticked(int box);
int web_setTextAreaText(int area, const char16_t* text, int length);
void web_fillTextAreas();
int web_isEditable(int area);
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
