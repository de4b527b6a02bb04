// The test driver on the Qt layer: Qt Test input on the real widgets.
#include "tests/support/driver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocumentFragment>

namespace driver {
namespace {

// A number that names no gadget fails the test here, as on Win32, not in a crash later.
QWidget* widget(int number) {
    auto* found = static_cast<QWidget*>(ui::core::nativeGadget(number));
    if (!found)
        ADD_FAILURE() << "no gadget " << number;
    return found;
}

int packed(const QColor& c) { return c.red() | c.green() << 8 | c.blue() << 16; }

std::u16string u16(const QString& text) { return text.toStdU16String(); }

// An open list holds the focus: keys go to the focused widget, else the active window.
QWidget* keyTarget() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused : QApplication::activeWindow();
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
    using namespace Qt;
    static const QKeyCombination keys[] = {
        Key_Tab,      SHIFT | Key_Backtab, Key_Space,    Key_Home,
        Key_Down,     Key_Return,          Key_Escape,   Key_F4,
        CTRL | Key_A, CTRL | Key_C,        CTRL | Key_Z, ALT | Key_Down};
    QTest::keyClick(keyTarget(), keys[int(key)].key(), keys[int(key)].keyboardModifiers());
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

int focused() { return ui::core::gadgetNumber(QApplication::focusWidget()); }

void requestClose(int window) {
    static_cast<QWidget*>(ui::core::nativeWindow(window))->close();
    settle();
}

std::u16string clipboard() { return u16(QGuiApplication::clipboard()->text()); }

bool shown(int number) { return widget(number)->isVisible(); }

// In device pixels, which a scaled screen would make differ from Qt's own.
Place place(int number) {
    const QRect r = widget(number)->geometry();
    const qreal s = widget(number)->devicePixelRatioF();
    return {int(r.x() * s), int(r.y() * s), int(r.width() * s), int(r.height() * s)};
}

std::u16string text(int number) {
    QWidget* gadget = widget(number);
    if (auto* label = qobject_cast<QLabel*>(gadget)) { // markup is not shown as text
        if (label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label->text()))
            return u16(label->text());
        return u16(QTextDocumentFragment::fromHtml(label->text()).toPlainText());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(gadget))
        return u16(button->text());
    if (auto* list = qobject_cast<QComboBox*>(gadget))
        return u16(list->currentText());
    return u16(static_cast<QPlainTextEdit*>(gadget)->toPlainText());
}

bool centred(int label) {
    return (static_cast<QLabel*>(widget(label))->alignment() & Qt::AlignHCenter) != 0;
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
    auto* w = static_cast<QWidget*>(ui::core::nativeWindow(number));
    return {w->isVisible(), w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint),
            w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint),
            !w->windowIcon().pixmap(16, 16).isNull()};
}

} // namespace driver
