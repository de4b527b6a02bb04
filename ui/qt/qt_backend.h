// Private to the Qt backend: what its files share. Each control kind's file
// makes its widget; controls.cpp places it and does what all kinds share.
#pragma once

#include "ui/backend.h"

#include <QString>

class QFont;
class QWidget;

namespace ui::qt {

inline QWidget* widget(Native native) { return static_cast<QWidget*>(native); }
inline QString toQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// -1 is the default gadget font; any other value gives the stock font, the
// bold face of the system font (toolkit.cpp).
QFont fontFor(int font);

// One per kind: the widget, parented to the window, reporting its user
// actions to the core under the gadget number.
QWidget* newButton(QWidget* window, int number, const QString& text);
QWidget* newLabel(QWidget* window, const QString& text, int flags);
QWidget* newDropDownList(QWidget* window, int number);
QWidget* newTickBox(QWidget* window, int number, const QString& text);
QWidget* newTextArea(QWidget* window, int number, int flags);

// Push buttons and tick boxes report each user click (button.cpp).
void reportClicks(QWidget* button, int number);
void setTextAreaText(QWidget* area, const QString& text);

// Tab, Shift+Tab and the close box, seen for every window (window.cpp).
void installWindowHooks();

} // namespace ui::qt
