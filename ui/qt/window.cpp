// The top-level window: fixed client size, close box turned into a close
// request, and Tab moving the keyboard focus among its gadgets.
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace ui::detail {
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
    // The close box, the system menu's Close and Alt+F4 only ask: the window
    // stays open until the program stops taking events and shuts down.
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        postEvent(kCloseRequest, number_, number_, 0);
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
// before the focused gadget, move among the visible, enabled gadgets in
// creation order and wrap at either end. Qt's own tab chain is not used (the
// gadgets take focus by click only), which also keeps Qt from focusing the
// first gadget when the window is activated.
class KeyboardNavigation : public QObject {
  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(target);
        if (!widget)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        const bool backwards =
            key->key() == Qt::Key_Backtab ||
            (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (!backwards && key->key() != Qt::Key_Tab)
            return false;
        const int window = windowNumberOf(widget->window());
        if (window == 0)
            return false;
        QWidget* focused = QApplication::focusWidget();
        // A plain Tab in an editable text area is typed into it.
        if (!backwards && focused && isEditableTextArea(focused))
            return false;
        moveFocus(window, focused, backwards);
        return true;
    }

  private:
    static void moveFocus(int window, QWidget* focused, bool backwards) {
        const std::vector<QWidget*> stops = tabStops(window);
        if (stops.empty())
            return;
        const auto here = std::find(stops.begin(), stops.end(), focused);
        const int count = static_cast<int>(stops.size());
        int next;
        if (here == stops.end())
            next = backwards ? count - 1 : 0;
        else
            next = (static_cast<int>(here - stops.begin()) + (backwards ? count - 1 : 1)) % count;
        stops[static_cast<size_t>(next)]->setFocus(backwards ? Qt::BacktabFocusReason
                                                             : Qt::TabFocusReason);
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

void installAccessibleWindows() { QAccessible::installFactory(accessibleWindow); }

void installKeyboardNavigation() {
    // Owned by the application object, so a new application gets a new one.
    static QPointer<KeyboardNavigation> navigation;
    if (navigation)
        return;
    navigation = new KeyboardNavigation;
    navigation->setParent(qApp);
    qApp->installEventFilter(navigation);
}

} // namespace ui::detail

namespace ui {

int newWindow(int number, int x, int y, int width, int height, const std::u16string& title,
              int flags) {
    if (!qApp || number <= 0 || width <= 0 || height <= 0)
        return 0;
    auto* window = new detail::Window(number);
    window->setWindowFlags(detail::windowFlagsFor(flags));
    window->setWindowTitle(detail::toQString(title));
    window->setWindowIcon(QIcon(QStringLiteral(":/larkspin/icon.png")));
    // The background behind and between the gadgets is the button face.
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    if (flags & kWindowSizingBorder)
        window->resize(width, height);
    else
        window->fixSize(QSize(width, height));
    window->move(x, y); // a top-level window's position is that of its frame
    detail::registerWindow(number, window);
    window->showNormal();
    window->activateWindow();
    return 1;
}

} // namespace ui
