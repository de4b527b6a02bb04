// Private to the toolkit layer (and its tests): the record kept for every
// gadget and window, the event queue's entry points, and the per-kind parts
// that the generic operations hand over to.
#pragma once

#include "ui/core/event_queue.h"

#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QAbstractButton;
class QWidget;

namespace ui::detail {

enum class GadgetKind { PushButton, TextLabel, DropDownList, TickBox, TextArea };

struct GadgetRecord {
    int number = 0;
    int window = 0; // number of the window that holds the gadget
    GadgetKind kind = GadgetKind::PushButton;
    QWidget* widget = nullptr;
    // Text labels: both colours start as "none"; the label holds a reference
    // on the shared brush of its background colour while that is set.
    int textColour = -1;
    int backgroundColour = -1;
    // Text area: the font it was last given.
    int font = -1;
};

struct WindowRecord {
    int number = 0;
    QWidget* widget = nullptr;
};

// --- registry (gadgets.cpp) ---
GadgetRecord* findGadget(int number);
WindowRecord* findWindow(int number);
int windowNumberOf(const QWidget* topLevel); // 0 when it is none of ours
// The window that new gadgets go into, or nullptr before the first window.
WindowRecord* currentContainer();
// Places a new gadget's widget, gives it the current gadget font and stores
// its record (destroying an older gadget of that number).
GadgetRecord& registerGadget(int number, GadgetKind kind, QWidget* widget, int x, int y, int width,
                             int height);
void registerWindow(int number, QWidget* widget);
// The gadgets of one window that can take the keyboard focus, in creation order.
std::vector<QWidget*> tabStops(int window);
void destroyAllGadgets();

// --- fonts (toolkit.cpp) ---
// -1 is the default gadget font; any other value names no font of ours and
// gives the stock font, the bold face of the system font.
QFont fontFor(int font);
int currentGadgetFont();
void setCurrentGadgetFont(int font);

// --- events: the shared queue (ui/core/event_queue.h); nextEvent in events.cpp ---

// --- per kind (one source file each) ---
// Push buttons and tick boxes: clicked() comes from the user only (mouse or
// space bar, after a tick box toggled), never from the program's own
// setChecked(), so each click is one gadget event of type click.
void reportClicks(QAbstractButton* button, int number, int window);

void setLabelColour(GadgetRecord& label, int which, int colour);
void releaseLabelBrush(GadgetRecord& label);
int liveBrushCount();

void insertListItem(QWidget* list, int position, const QString& text);
void selectListItem(QWidget* list, int index);
int selectedListItem(QWidget* list);

void setTextAreaText(QWidget* area, const QString& text);
bool isEditableTextArea(QWidget* widget);

void installKeyboardNavigation();
void installAccessibleWindows();

QString toQString(const std::u16string& text);

} // namespace ui::detail

namespace ui {
// For tests: the widget behind a gadget or window number, or nullptr.
QWidget* gadgetWidget(int number);
QWidget* windowWidget(int number);
} // namespace ui
