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

std::u16string u16(const QString& text) { return text.toStdU16String(); }

// Keys go to the open list, else the focused widget, else the active window.
QWidget* keyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

} // namespace

void settle() { QApplication::processEvents(); }

void click(int number) {
    QWidget* gadget = widget(number);
    QTest::mouseClick(gadget->window()->windowHandle(), Qt::LeftButton, {},
                      gadget->geometry().center());
    settle();
}

void press(Key key) {
    static const Qt::Key codes[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Space,
                                    Qt::Key_Home,   Qt::Key_Down,    Qt::Key_Return,
                                    Qt::Key_Escape, Qt::Key_F4,      Qt::Key_Down};
    QTest::keyClick(keyTarget(), codes[int(key)],
                    key == Key::ShiftTab  ? Qt::ShiftModifier
                    : key == Key::AltDown ? Qt::AltModifier
                                          : Qt::NoModifier);
    settle();
}

void type(const std::u16string& text) {
    QTest::keyClicks(keyTarget(), QString::fromStdU16String(text));
    settle();
}

void focus(int number) {
    widget(number)->setFocus();
    settle();
}

int focused() {
    for (int number = 0; QApplication::focusWidget() && number < 1000; ++number) {
        if (ui::gadgetWidget(number) == QApplication::focusWidget())
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

bool exists(int number) { return ui::gadgetWidget(number) != nullptr; }

bool shown(int number) { return widget(number)->isVisible(); }

// In device pixels, which a scaled screen would make differ from Qt's own.
Place place(int number) {
    const QRect r = widget(number)->geometry();
    const qreal scale = widget(number)->devicePixelRatioF();
    return {int(r.x() * scale), int(r.y() * scale), int(r.width() * scale),
            int(r.height() * scale)};
}

std::u16string text(int number) {
    QWidget* gadget = widget(number);
    if (auto* label = qobject_cast<QLabel*>(gadget)) { // markup is not shown as text
        const bool rich =
            label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        return u16(rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                        : label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(gadget))
        return u16(button->text());
    if (auto* list = qobject_cast<QComboBox*>(gadget))
        return u16(list->currentText());
    return u16(static_cast<QPlainTextEdit*>(gadget)->toPlainText());
}

std::vector<std::u16string> items(int list) {
    auto* combo = static_cast<QComboBox*>(widget(list));
    std::vector<std::u16string> texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.push_back(u16(combo->itemText(i)));
    return texts;
}

bool dropsBelowShowingAll(int list) {
    auto* combo = static_cast<QComboBox*>(widget(list));
    focus(list);
    press(Key::F4);
    const QWidget* view = combo->view();
    const bool ok = view->isVisible() &&
                    view->window()->y() >= combo->mapToGlobal(QPoint(0, combo->height() - 1)).y() &&
                    view->height() >= combo->count() * combo->view()->sizeHintForRow(0);
    press(Key::Escape);
    return ok;
}

// A label that does not fill its background shows its window's.
Look labelLook(int label) {
    QWidget* gadget = widget(label);
    const QWidget* filler = gadget->autoFillBackground() ? gadget : gadget->parentWidget();
    return {packed(filler->palette().color(QPalette::Window)),
            packed(gadget->palette().color(QPalette::WindowText))};
}

int buttonFace() { return packed(QApplication::palette().color(QPalette::Button)); }

Font font(int number) {
    const QFontInfo info(widget(number)->font());
    return {u16(info.family()), info.pixelSize(), info.bold()};
}

WindowLook window(int number) {
    QWidget* w = ui::windowWidget(number);
    const QRect frame = w->frameGeometry();
    const QList<QSize> icons = w->windowIcon().availableSizes();
    return {
        u16(w->windowTitle()),
        {frame.x(), frame.y(), frame.width(), frame.height()},
        {0, 0, int(w->width() * w->devicePixelRatioF()), int(w->height() * w->devicePixelRatioF())},
        icons.isEmpty() ? 0 : icons.last().width(),
        w->isVisible(),
        (w->windowFlags() & Qt::WindowMinimizeButtonHint) != 0,
        (w->windowFlags() & Qt::WindowMaximizeButtonHint) != 0,
        w->minimumSize() == w->size()};
}

int pendingEvents() { return ui::detail::pendingEventCount(); }

int liveBrushes() { return ui::detail::liveBrushCount(); }

} // namespace driver
