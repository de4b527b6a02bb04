// The operations on existing gadgets. Each looks the number up and does what
// the gadget's kind defines; a number that names no gadget, and a kind that
// defines nothing, do nothing and read as 0.
#include "ui/core/event_queue.h"
#include "ui/core/records.h"
#include "ui/toolkit.h"

namespace ui {

using detail::findGadget;
using detail::GadgetRecord;

void setFont(int number, int font) {
    if (number == kAllNewGadgets) {
        detail::setGadgetFont(font);
        return;
    }
    if (GadgetRecord* record = findGadget(number))
        backend::setFont(record->native, record->kind, detail::faceOf(font));
}

// The program fills its lists itself; that is no selection by the user. A
// position outside the list adds after the last item. A list without a
// selection keeps none, though a platform may select the first item that
// goes into an empty list.
void addItem(int number, int position, const std::u16string& text) {
    detail::SuppressEvents suppress;
    GadgetRecord* list = findGadget(number);
    if (!list || list->kind != GadgetKind::DropDownList)
        return;
    backend::insertItem(list->native,
                        position < 0 || position > list->items ? list->items : position, text);
    ++list->items;
    if (list->item == -1)
        backend::selectItem(list->native, -1);
    list->item = backend::selectedItem(list->native);
}

// A selection or tick set by the program must not look like the user's. An
// index outside the list leaves no item selected.
void setState(int number, int value) {
    detail::SuppressEvents suppress;
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    if (record->kind == GadgetKind::DropDownList) {
        record->item = value >= 0 && value < record->items ? value : -1;
        backend::selectItem(record->native, record->item);
    } else if (record->kind == GadgetKind::TickBox)
        backend::setTicked(record->native, value != 0);
}

int getState(int number) {
    const GadgetRecord* record = findGadget(number);
    if (!record)
        return 0;
    if (record->kind == GadgetKind::DropDownList)
        return backend::selectedItem(record->native);
    if (record->kind == GadgetKind::TickBox)
        return backend::ticked(record->native) ? 1 : 0;
    return 0;
}

// Text written by the program is no edit by the user. A drop-down list has
// no text of its own to set.
void setText(int number, const std::u16string& text) {
    detail::SuppressEvents suppress;
    GadgetRecord* record = findGadget(number);
    if (record && record->kind != GadgetKind::DropDownList)
        backend::setText(record->native, record->kind, text);
}

// Not suppressed: emptying the text area may report a change, which arrives
// as an event of the text area and is ignored like all of its events.
void removeAllItems(int number) {
    GadgetRecord* record = findGadget(number);
    if (record && record->kind == GadgetKind::TextArea)
        backend::setText(record->native, record->kind, u"");
}

void setHidden(int number, int hidden) {
    GadgetRecord* record = findGadget(number);
    if (!record)
        return;
    if (hidden != 0)
        detail::giveUpFocusBeforeHiding(*record);
    record->hidden = hidden != 0;
    backend::setVisible(record->native, hidden == 0);
}

void setColour(int number, int which, int colour) {
    GadgetRecord* record = findGadget(number);
    if (record && record->kind == GadgetKind::TextLabel)
        detail::setLabelColour(*record, which, colour);
}

void setAccessibleName(int number, const std::u16string& name, const std::u16string& description) {
    if (GadgetRecord* record = findGadget(number))
        backend::setAccessibleName(record->native, name, description);
}

void setLabelledBy(int number, int label) {
    const GadgetRecord* gadget = findGadget(number);
    const GadgetRecord* named = findGadget(label);
    if (gadget && named && named->kind == GadgetKind::TextLabel)
        backend::setLabelledBy(gadget->native, named->native);
}

} // namespace ui
