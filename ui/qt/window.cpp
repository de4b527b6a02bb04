// The top-level window: fixed client size, close box turned into a close
// request, Tab and activation handed to the core, and the keyboard focus.
#include "ui/qt/qt_backend.h"
#include "ui/toolkit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPalette>
#include <QWidget>

namespace ui::qt {
namespace {

class Window : public QWidget {
  public:
    explicit Window(int number) : number_(number) {}

    // A window without a sizing border keeps this size except while it is
    // maximised, full screen or minimised.
    void fixSize(QSize size) {
        fixedSize_ = size;
        // No maximum size: one equal to the minimum would make the window
        // manager grey out the maximise box.
        setMinimumSize(size);
        resize(size);
    }

  protected:
    // The core remembers the focused control and gives it back. Qt would
    // give back its own memory of it after this event; that is cleared
    // first, so only the core decides.
    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowDeactivate) {
            core::windowDeactivated(number_);
        } else if (event->type() == QEvent::WindowActivate) {
            if (QWidget* remembered = focusWidget())
                remembered->clearFocus();
            state().activating = true;
            core::windowActivated(number_);
            state().activating = false;
        }
        return QWidget::event(event);
    }

    // The close box, the system menu's Close and Alt+F4 only ask: the window
    // stays open until the program stops taking events and shuts down.
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        core::reportClose(number_);
    }

    // On X11 a window that can be maximised can also be resized: the window
    // manager gives it a sizing border. Any other size than the fixed one is
    // taken back, once the window manager's news of a state change (which
    // may come after the new size) has been seen.
    void resizeEvent(QResizeEvent*) override {
        if (fixedSize_.isValid() && size() != fixedSize_)
            QMetaObject::invokeMethod(this, &Window::keepFixedSize, Qt::QueuedConnection);
    }

    // Restoring gives back the fixed size whatever the window manager chose.
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange)
            keepFixedSize();
        QWidget::changeEvent(event);
    }

  private:
    void keepFixedSize() {
        const Qt::WindowStates sized =
            Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
        if (fixedSize_.isValid() && !(windowState() & sized) && size() != fixedSize_)
            resize(fixedSize_);
    }

    int number_;
    QSize fixedSize_;
};

Qt::WindowFlags windowFlagsFor(int flags) {
    Qt::WindowFlags qtFlags = Qt::Window | Qt::CustomizeWindowHint;
    if (flags & kWindowCaption)
        qtFlags |= Qt::WindowTitleHint;
    if (flags & kWindowSystemMenu)
        qtFlags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (flags & kWindowMinimiseBox)
        qtFlags |= Qt::WindowMinimizeButtonHint;
    if (flags & kWindowMaximiseBox)
        qtFlags |= Qt::WindowMaximizeButtonHint;
    return qtFlags;
}

// Tab and Shift+Tab work like accelerators of the window: they are seen
// before the focused control and go to the core, which moves the focus or
// leaves the key to the text area.
class TabKeys : public QObject {
  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !target->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        const bool backwards =
            key->key() == Qt::Key_Backtab ||
            (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (!backwards && key->key() != Qt::Key_Tab)
            return false;
        const int window = core::windowNumber(static_cast<QWidget*>(target)->window());
        return window != 0 && core::tabKey(window, backwards);
    }
};

// Left to Qt, a plain QWidget window is a "client" area, which a screen
// reader calls a filler; ours is a frame, named by its title.
QAccessibleInterface* accessibleWindow(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<Window*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

// The Tab filter is freed by stop().
void installWindowHooks() {
    QAccessible::installFactory(accessibleWindow);
    state().windowHooks = new TabKeys;
    qApp->installEventFilter(state().windowHooks);
}

} // namespace ui::qt

namespace ui::backend {

Native createWindow(int number, Box box, const std::u16string& title, int flags) {
    if (!qApp)
        return nullptr;
    auto* window = new qt::Window(number);
    window->setWindowFlags(qt::windowFlagsFor(flags));
    window->setWindowTitle(qt::toQString(title));
    window->setWindowIcon(QIcon(QStringLiteral(":/larkspin/icon.png")));
    // The background behind and between the gadgets is the button face.
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    if (flags & kWindowSizingBorder)
        window->resize(box.width, box.height);
    else
        window->fixSize(QSize(box.width, box.height));
    window->move(box.x, box.y); // a top-level window's position is that of its frame
    window->showNormal();
    window->activateWindow();
    return static_cast<QWidget*>(window);
}

void destroyWindow(Native window) { delete qt::widget(window); }

// The window's focus child, even while the window is not active: what it
// will give back, and what Tab moves on from.
Native focusedControl(Native window) {
    QWidget* focused = qt::widget(window)->focusWidget();
    while (focused && focused->parentWidget() != qt::widget(window))
        focused = focused->parentWidget();
    return focused;
}

void focus(Native window, Native control) {
    if (control)
        qt::widget(control)->setFocus(qt::state().activating ? Qt::ActiveWindowFocusReason
                                                             : Qt::TabFocusReason);
    else if (QWidget* focused = qt::widget(window)->focusWidget())
        focused->clearFocus();
}

} // namespace ui::backend
