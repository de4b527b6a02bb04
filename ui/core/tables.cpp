// The gadget and window tables: numbers to records, in creation order.
#include "ui/core/records.h"

#include "ui/core/event_queue.h"

#include <algorithm>
#include <map>

namespace ui::detail {
namespace {

std::map<int, GadgetRecord> gadgets;
std::vector<int> creationOrder;

void destroyGadget(int number) {
    auto found = gadgets.find(number);
    if (found == gadgets.end())
        return;
    GadgetRecord& record = found->second;
    if (record.kind == GadgetKind::TextLabel)
        releaseLabelBrush(record);
    const Native native = record.native;
    gadgets.erase(found);
    creationOrder.erase(std::remove(creationOrder.begin(), creationOrder.end(), number),
                        creationOrder.end());
    // Tearing a control down may make the platform report focus changes;
    // none of them is the user's doing.
    SuppressEvents suppress;
    backend::destroyControl(native);
}

} // namespace

GadgetRecord* findGadget(int number) {
    auto found = gadgets.find(number);
    return found == gadgets.end() ? nullptr : &found->second;
}

GadgetRecord* findGadget(Native native) {
    if (!native)
        return nullptr;
    for (auto& [number, record] : gadgets) {
        if (record.native == native)
            return &record;
    }
    return nullptr;
}

GadgetRecord& addGadget(int number, int window, GadgetKind kind, Native native) {
    destroyGadget(number);
    GadgetRecord& record = gadgets[number];
    record = GadgetRecord{};
    record.number = number;
    record.window = window;
    record.kind = kind;
    record.native = native;
    creationOrder.push_back(number);
    return record;
}

std::vector<GadgetRecord*> gadgetsOf(int window) {
    std::vector<GadgetRecord*> found;
    for (int number : creationOrder) {
        GadgetRecord& record = gadgets[number];
        if (record.window == window)
            found.push_back(&record);
    }
    return found;
}

// Forgets every gadget without touching its control: closing its window
// destroys that.
void forgetAllGadgets() {
    for (auto& [number, record] : gadgets) {
        if (record.kind == GadgetKind::TextLabel)
            releaseLabelBrush(record);
    }
    gadgets.clear();
    creationOrder.clear();
}

} // namespace ui::detail

namespace ui::core {

Native nativeGadget(int number) {
    const detail::GadgetRecord* record = detail::findGadget(number);
    return record ? record->native : nullptr;
}

int gadgetNumber(Native control) {
    const detail::GadgetRecord* record = detail::findGadget(control);
    return record ? record->number : 0;
}

GadgetKind gadgetKind(int number) {
    const detail::GadgetRecord* record = detail::findGadget(number);
    return record ? record->kind : GadgetKind::PushButton;
}

} // namespace ui::core
