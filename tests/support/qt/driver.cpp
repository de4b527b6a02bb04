// The test driver on the Qt layer: Qt Test input on the real widgets.
#include "tests/support/driver.h"

#include "ui/qt/gadget_record.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocumentFragment>
#include <QWindow>

namespace driver {
namespace {

QWidget* widget(int number) {
    QWidget* found = ui::gadgetWidget(number);
    if (!found)
        ADD_FAILURE() << "no gadget " << number;
    return found;
}

int packed(const QColor& colour) {
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

// Keys go to the open list if there is one, else to the focused widget, else
// to the active window.
QWidget* keyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

} // namespace

void settle() { QApplication::processEvents(); }

void clickAt(int window, int x, int y) {
    QTest::mouseClick(ui::windowWidget(window)->windowHandle(), Qt::LeftButton, {}, QPoint(x, y));
    settle();
}

void click(int number) {
    QWidget* gadget = widget(number);
    QTest::mouseClick(gadget->window()->windowHandle(), Qt::LeftButton, {},
                      gadget->geometry().center());
    settle();
}

void press(Key key) {
    static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Tab, {}},
        {Qt::Key_Backtab, Qt::ShiftModifier},
        {Qt::Key_Space, {}},
        {Qt::Key_Home, {}},
        {Qt::Key_Down, {}},
        {Qt::Key_Return, {}},
        {Qt::Key_Escape, {}},
        {Qt::Key_F4, {}},
        {Qt::Key_Down, Qt::AltModifier}};
    const auto& [code, modifiers] = keys[static_cast<int>(key)];
    QTest::keyClick(keyTarget(), code, modifiers);
    settle();
}

void type(const std::u16string& text) {
    QTest::keyClicks(keyTarget(), QString::fromStdU16String(text));
    settle();
}

void focus(int number) {
    widget(number)->setFocus(Qt::OtherFocusReason);
    settle();
}

int focused() {
    QWidget* focus = QApplication::focusWidget();
    for (int number = 0; focus && number < 1000; ++number) {
        if (ui::gadgetWidget(number) == focus)
            return number;
    }
    return 0;
}

void requestClose(int window) {
    ui::windowWidget(window)->close();
    settle();
}

void switchAwayAndBack(int window) {
    QWidget other;
    other.show();
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
    ui::windowWidget(window)->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(ui::windowWidget(window)));
}

void chooseItem(int list, int index) {
    focus(list);
    press(Key::F4);
    press(Key::Home);
    for (int i = 0; i < index; ++i)
        press(Key::Down);
    press(Key::Return);
}

bool exists(int number) { return ui::gadgetWidget(number) != nullptr; }

bool shown(int number) { return widget(number)->isVisible(); }

Place place(int number) {
    const QRect r = widget(number)->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

std::u16string text(int number) {
    QWidget* gadget = widget(number);
    if (auto* label = qobject_cast<QLabel*>(gadget)) { // as shown: markup is not text
        const bool rich =
            label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        return (rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text())
            .toStdU16String();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(gadget))
        return button->text().toStdU16String();
    if (auto* list = qobject_cast<QComboBox*>(gadget))
        return list->currentText().toStdU16String();
    if (auto* area = qobject_cast<QPlainTextEdit*>(gadget))
        return area->toPlainText().toStdU16String();
    return {};
}

int itemCount(int list) { return static_cast<QComboBox*>(widget(list))->count(); }

std::u16string itemText(int list, int index) {
    return static_cast<QComboBox*>(widget(list))->itemText(index).toStdU16String();
}

bool dropsBelowShowingAll(int list) {
    auto* combo = static_cast<QComboBox*>(widget(list));
    focus(list);
    press(Key::F4);
    const int fieldBottom = combo->mapToGlobal(QPoint(0, combo->height())).y();
    const bool below = combo->view()->window()->y() >= fieldBottom - 1;
    const bool all = combo->view()->height() >= combo->count() * combo->view()->sizeHintForRow(0);
    press(Key::Escape);
    return below && all;
}

// A label that does not fill its background shows its window's.
Look labelLook(int label) {
    QWidget* gadget = widget(label);
    const QWidget* filler = gadget->autoFillBackground() ? gadget : gadget->parentWidget();
    return {packed(filler->palette().color(QPalette::Window)),
            packed(gadget->palette().color(QPalette::WindowText))};
}

int buttonFace() { return packed(QApplication::palette().color(QPalette::Button)); }

bool boldFont(int number) { return widget(number)->font().bold(); }

bool sameFont(int a, int b) { return widget(a)->font() == widget(b)->font(); }

bool typingBlocked() { return false; }

WindowLook window(int number) {
    QWidget* w = ui::windowWidget(number);
    int iconSize = 0;
    for (const QSize& size : w->windowIcon().availableSizes())
        iconSize = std::max(iconSize, size.width());
    return {w->windowTitle().toStdU16String(),
            w->frameGeometry().x(),
            w->frameGeometry().y(),
            w->width(),
            w->height(),
            iconSize,
            w->isVisible(),
            (w->windowFlags() & Qt::WindowMaximizeButtonHint) != 0,
            w->minimumSize() == w->maximumSize()};
}

int pendingEvents() { return ui::detail::pendingEventCount(); }

int liveBrushes() { return ui::detail::liveBrushCount(); }

} // namespace driver
