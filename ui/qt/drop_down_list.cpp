// Drop-down lists: pick-only lists whose selected index is their state.
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QProxyStyle>

namespace ui::detail {
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

} // namespace

void insertListItem(QWidget* list, int position, const QString& text) {
    auto* combo = static_cast<QComboBox*>(list);
    const int selected = combo->currentIndex();
    if (position < 0 || position > combo->count())
        position = combo->count();
    combo->insertItem(position, text);
    // Qt selects the first item that goes into an empty list; a list that had
    // no selection keeps having none until the program sets one.
    if (selected == -1)
        combo->setCurrentIndex(-1);
}

void selectListItem(QWidget* list, int index) {
    auto* combo = static_cast<QComboBox*>(list);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int selectedListItem(QWidget* list) { return static_cast<QComboBox*>(list)->currentIndex(); }

} // namespace ui::detail

namespace ui {

int newDropDownList(int number, int x, int y, int width, int height) {
    detail::WindowRecord* window = detail::currentContainer();
    if (!window || number < 0)
        return 0;
    auto* combo = new QComboBox(window->widget);
    combo->setEditable(false);
    combo->setStyle(detail::dropBelowStyle());
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(16);         // the whole list shows without scrolling
    combo->setFocusPolicy(Qt::ClickFocus); // Tab is handled by the window
    detail::registerGadget(number, detail::GadgetKind::DropDownList, combo, x, y, width, height);
    // activated() is raised by the user's choice only (mouse, keyboard or
    // wheel), never by setCurrentIndex(); opening and closing the list
    // without choosing raises nothing.
    const int windowNumber = window->number;
    QObject::connect(combo, &QComboBox::activated, [number, windowNumber] {
        detail::postEvent(kGadgetEvent, number, windowNumber, kChange);
    });
    return 1;
}

} // namespace ui
