// Drop-down lists: pick-only lists whose selected index is their state.
#include "ui/qt/qt_backend.h"
#include "ui/toolkit.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
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

QStyle* dropBelowStyle() {
    // Owned by the application object, like every style it hands out.
    static QPointer<DropBelowStyle> style;
    if (!style) {
        style = new DropBelowStyle;
        style->setParent(qApp);
    }
    return style;
}

QComboBox* combo(Native list) { return static_cast<QComboBox*>(widget(list)); }

} // namespace

QWidget* newDropDownList(QWidget* window, int number) {
    auto* list = new QComboBox(window);
    list->setEditable(false);
    list->setStyle(dropBelowStyle());
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(16); // the whole list shows without scrolling
    // activated() is raised by the user's choice only (mouse, keyboard or
    // wheel), never by setCurrentIndex(); opening and closing the list
    // without choosing raises nothing.
    QObject::connect(list, &QComboBox::activated,
                     [number] { core::reportGadget(number, kChange); });
    return list;
}

} // namespace ui::qt

namespace ui::backend {

void insertItem(Native list, int position, const std::u16string& text) {
    QComboBox* items = qt::combo(list);
    const int selected = items->currentIndex();
    if (position < 0 || position > items->count())
        position = items->count();
    items->insertItem(position, qt::toQString(text));
    // Qt selects the first item that goes into an empty list; a list that had
    // no selection keeps having none until the program sets one.
    if (selected == -1)
        items->setCurrentIndex(-1);
}

void selectItem(Native list, int index) {
    QComboBox* items = qt::combo(list);
    items->setCurrentIndex(index >= 0 && index < items->count() ? index : -1);
}

int selectedItem(Native list) { return qt::combo(list)->currentIndex(); }

} // namespace ui::backend
