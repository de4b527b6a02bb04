// What every kind of control shares: its place, font and visibility, its
// text, and what a screen reader is told about it.
#include "ui/qt/qt_backend.h"

#include <QAbstractButton>
#include <QLabel>

namespace ui::backend {

Native createControl(Native window, GadgetKind kind, int number, Box box,
                     const std::u16string& text, int flags, Face face) {
    static constexpr qt::NewControl* kinds[] = {qt::newButton, qt::newLabel, qt::newDropDownList,
                                                qt::newTickBox, qt::newTextArea};
    QWidget* control =
        kinds[static_cast<int>(kind)](qt::widget(window), number, qt::toQString(text), flags);
    // Labels never take the focus; the others take it by click, and Tab is
    // the window's (window.cpp). Qt's own tab chain stays empty, so Qt never
    // picks a control to focus by itself.
    control->setFocusPolicy(kind == GadgetKind::TextLabel ? Qt::NoFocus : Qt::ClickFocus);
    control->setGeometry(box.x, box.y, box.width, box.height);
    control->setFont(qt::state().faces[static_cast<int>(face)]);
    control->show();
    return control;
}

void destroyControl(Native control) { delete qt::widget(control); }

void setFont(Native control, GadgetKind, Face face) {
    qt::widget(control)->setFont(qt::state().faces[static_cast<int>(face)]);
}

// The copy comes first: out of memory, QString throws std::bad_alloc
// (qBadAlloc) before any widget has changed.
void setText(Native control, GadgetKind kind, const std::u16string& text) {
    const QString qtext = qt::toQString(text);
    if (kind == GadgetKind::TextLabel)
        static_cast<QLabel*>(qt::widget(control))->setText(qtext);
    else if (kind == GadgetKind::TextArea)
        qt::setTextAreaText(qt::widget(control), qtext);
    else
        static_cast<QAbstractButton*>(qt::widget(control))->setText(qtext);
}

void setVisible(Native control, bool visible) { qt::widget(control)->setVisible(visible); }

void setAccessibleName(Native control, const std::u16string& name,
                       const std::u16string& description) {
    qt::widget(control)->setAccessibleName(qt::toQString(name));
    qt::widget(control)->setAccessibleDescription(qt::toQString(description));
}

// The buddy is the relation a screen reader follows; it names the control
// only while the program has set no name of its own.
void setLabelledBy(Native control, Native label) {
    static_cast<QLabel*>(qt::widget(label))->setBuddy(qt::widget(control));
}

} // namespace ui::backend
