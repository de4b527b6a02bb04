// The gadget and window tables, and the operations that every kind of
// gadget shares. Each operation looks the number up and hands over to what
// the gadget's kind defines; a number that names no gadget does nothing.
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <map>
#include <memory>

namespace ui::detail {
namespace {

std::map<int, std::unique_ptr<GadgetRecord>> gadgets;
std::vector<int> creationOrder;
std::map<int, WindowRecord> windows;
int containerNumber = 0;

void destroyGadget(int number) {
    auto found = gadgets.find(number);
    if (found == gadgets.end())
        return;
    GadgetRecord& record = *found->second;
    if (record.kind == GadgetKind::TextLabel)
        releaseLabelBrush(record);
    delete record.widget;
    gadgets.erase(found);
    creationOrder.erase(std::remove(creationOrder.begin(), creationOrder.end(), number),
                        creationOrder.end());
}

} // namespace

GadgetRecord* findGadget(int number) {
    auto found = gadgets.find(number);
    return found == gadgets.end() ? nullptr : found->second.get();
}

WindowRecord* findWindow(int number) {
    auto found = windows.find(number);
    return found == windows.end() ? nullptr : &found->second;
}

WindowRecord* currentContainer() { return findWindow(containerNumber); }

int windowNumberOf(const QWidget* topLevel) {
    for (const auto& [number, window] : windows) {
        if (window.widget == topLevel)
            return number;
    }
    return 0;
}

GadgetRecord& registerGadget(int number, GadgetKind kind, QWidget* widget, int x, int y, int width,
                             int height) {
    destroyGadget(number);
    auto record = std::make_unique<GadgetRecord>();
    record->number = number;
    record->window = containerNumber;
    record->kind = kind;
    record->widget = widget;
    widget->setGeometry(x, y, width, height);
    widget->setFont(fontFor(currentGadgetFont()));
    widget->show();
    GadgetRecord& stored = *record;
    gadgets[number] = std::move(record);
    creationOrder.push_back(number);
    return stored;
}

void registerWindow(int number, QWidget* widget) {
    windows[number] = WindowRecord{number, widget};
    containerNumber = number;
}

std::vector<QWidget*> tabStops(int window) {
    std::vector<QWidget*> stops;
    for (int number : creationOrder) {
        const GadgetRecord& record = *gadgets[number];
        if (record.window != window || record.kind == GadgetKind::TextLabel)
            continue;
        if (record.widget->isVisible() && record.widget->isEnabled())
            stops.push_back(record.widget);
    }
    return stops;
}

void destroyAllGadgets() {
    for (auto& [number, record] : gadgets) {
        if (record->kind == GadgetKind::TextLabel)
            releaseLabelBrush(*record);
    }
    // Gadgets are children of their window: deleting the window deletes them.
    gadgets.clear();
    creationOrder.clear();
    for (auto& [number, window] : windows)
        delete window.widget;
    windows.clear();
    containerNumber = 0;
}

void reportClicks(QAbstractButton* button, int number, int window) {
    QObject::connect(button, &QAbstractButton::clicked,
                     [number, window] { postEvent(kGadgetEvent, number, window, kClick); });
}

QString toQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ui::detail

namespace ui {

using detail::findGadget;
using detail::GadgetKind;
using detail::GadgetRecord;

QWidget* gadgetWidget(int number) {
    GadgetRecord* record = findGadget(number);
    return record ? record->widget : nullptr;
}

QWidget* windowWidget(int number) {
    detail::WindowRecord* record = detail::findWindow(number);
    return record ? record->widget : nullptr;
}

void setFont(int number, int font) {
    if (number == kAllNewGadgets) {
        detail::setCurrentGadgetFont(font);
        return;
    }
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    record->widget->setFont(detail::fontFor(font));
    if (record->kind == GadgetKind::TextArea)
        record->font = font;
}

void addItem(int number, int position, const std::u16string& text) {
    GadgetRecord* record = findGadget(number);
    if (!record || record->kind != GadgetKind::DropDownList)
        return;
    // The program fills its lists itself; that is no selection by the user.
    detail::SuppressEvents suppress;
    detail::insertListItem(record->widget, position, detail::toQString(text));
}

void setState(int number, int value) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    // A selection or tick set by the program must not look like the user's.
    detail::SuppressEvents suppress;
    switch (record->kind) {
    case GadgetKind::DropDownList:
        detail::selectListItem(record->widget, value);
        break;
    case GadgetKind::TickBox:
        static_cast<QCheckBox*>(record->widget)->setChecked(value != 0);
        break;
    default:
        break;
    }
}

int getState(int number) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return 0;
    switch (record->kind) {
    case GadgetKind::DropDownList:
        return detail::selectedListItem(record->widget);
    case GadgetKind::TickBox:
        return static_cast<QCheckBox*>(record->widget)->isChecked() ? 1 : 0;
    default:
        return 0;
    }
}

void setText(int number, const std::u16string& text) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    // Text written by the program is no edit by the user.
    detail::SuppressEvents suppress;
    const QString qtext = detail::toQString(text);
    switch (record->kind) {
    case GadgetKind::TextLabel:
        static_cast<QLabel*>(record->widget)->setText(qtext);
        break;
    case GadgetKind::TextArea:
        detail::setTextAreaText(record->widget, qtext);
        break;
    case GadgetKind::PushButton:
    case GadgetKind::TickBox:
        static_cast<QAbstractButton*>(record->widget)->setText(qtext);
        break;
    case GadgetKind::DropDownList:
        break;
    }
}

void removeAllItems(int number) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    // Not suppressed: emptying the text area reports a change, which arrives
    // as an event of the text area and is ignored like all of its events.
    if (record->kind == GadgetKind::TextArea)
        detail::setTextAreaText(record->widget, QString());
}

void setHidden(int number, int hidden) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    QWidget* widget = record->widget;
    widget->setVisible(hidden == 0);
    // A hidden gadget must take no more keys. The focus is given up rather
    // than moved on: the user chose no other gadget, and the next key should
    // not act on one. Tab then starts again from the first gadget.
    QWidget* focused = widget->window()->focusWidget();
    if (hidden != 0 && focused && (focused == widget || widget->isAncestorOf(focused)))
        focused->clearFocus();
}

void setColour(int number, int which, int colour) {
    GadgetRecord* record = findGadget(number);
    if (!record || record->kind != GadgetKind::TextLabel)
        return;
    detail::setLabelColour(*record, which, colour);
}

} // namespace ui

namespace ui {

void setAccessibleName(int number, const std::u16string& name, const std::u16string& description) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    record->widget->setAccessibleName(detail::toQString(name));
    record->widget->setAccessibleDescription(detail::toQString(description));
}

void setLabelledBy(int number, int label) {
    GadgetRecord* gadget = findGadget(number);
    GadgetRecord* named = findGadget(label);
    if (!gadget || !named || named->kind != GadgetKind::TextLabel)
        return;
    static_cast<QLabel*>(named->widget)->setBuddy(gadget->widget);
}

} // namespace ui
