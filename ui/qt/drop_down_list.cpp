// Drop-down lists: pick-only lists whose selected index is their state.
#include "ui/qt/qt_backend.h"

#include <QComboBox>
#include <QProxyStyle>

namespace ui::qt {
namespace {

// Some styles open a list over its own field, with the chosen item where
// the field was; the lists here drop open below the field instead.
class DropBelowStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QComboBox* combo(Native list) { return static_cast<QComboBox*>(widget(list)); }

} // namespace

QWidget* newDropDownList(QWidget* window, int number, const QString&, int) {
    auto* list = new QComboBox(window);
    list->setEditable(false);
    if (!state().dropBelow)
        state().dropBelow = new DropBelowStyle; // freed by stop()
    list->setStyle(state().dropBelow);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(16); // the whole list shows without scrolling
    // activated() is raised by the user's choice only (mouse, keyboard or
    // wheel; in the open list, the item it closes on, even the one it
    // showed), never by setCurrentIndex(); opening and closing the list
    // without choosing raises nothing.
    QObject::connect(list, &QComboBox::activated,
                     [number] { core::reportList(number, ListReport::Chosen); });
    return list;
}

} // namespace ui::qt

namespace ui::backend {

void insertItem(Native list, int position, const std::u16string& text) {
    qt::combo(list)->insertItem(position, qt::toQString(text));
}

void selectItem(Native list, int index) { qt::combo(list)->setCurrentIndex(index); }

int selectedItem(Native list) { return qt::combo(list)->currentIndex(); }

} // namespace ui::backend
