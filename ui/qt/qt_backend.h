// Private to the Qt backend: what its files share. Each control kind's file
// makes its widget; controls.cpp places it and does what all kinds share.
#pragma once

#include "ui/backend.h"

#include <QFont>
#include <QPointer>
#include <QString>

class QApplication;
class QStyle;
class QWidget;

namespace ui::qt {

inline QWidget* widget(Native native) { return static_cast<QWidget*>(native); }
inline QString toQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// What the backend keeps from start() to stop() (toolkit.cpp).
struct State {
    QApplication* ownApplication = nullptr; // when the backend made it
    QFont faces[2];                         // by Face
    QPointer<QObject> windowHooks;          // Tab and Shift+Tab for every window
    QPointer<QStyle> dropBelow;             // the drop-down lists' style
    bool activating = false; // while the core gives the focus back to an activated window
};
State& state();

// One per kind: the widget, parented to the window, reporting its user
// actions to the core under the gadget number; text and flags as
// createControl's.
using NewControl = QWidget*(QWidget* window, int number, const QString& text, int flags);
NewControl newButton, newLabel, newDropDownList, newTickBox, newTextArea;

void setTextAreaText(QWidget* area, const QString& text);

// Tab, Shift+Tab and the screen readers' view of every window (window.cpp).
void installWindowHooks();

} // namespace ui::qt
