// The multi-line text area: editable, unlimited, optionally word-wrapped.
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace ui::detail {
namespace {

// Reports the area gaining and losing the keyboard focus.
class FocusReporter : public QObject {
  public:
    FocusReporter(QObject* parent, int number, int window)
        : QObject(parent), number_(number), window_(window) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            postEvent(kGadgetEvent, number_, window_, kFocus);
        else if (event->type() == QEvent::FocusOut)
            postEvent(kGadgetEvent, number_, window_, kFocusLost);
        return false;
    }

  private:
    int number_;
    int window_;
};

} // namespace

void setTextAreaText(QWidget* area, const QString& text) {
    auto* edit = static_cast<QPlainTextEdit*>(area);
    if (text.isEmpty()) {
        edit->clear();
        return;
    }
    edit->horizontalScrollBar()->setValue(0);
    edit->setPlainText(text);
}

bool isEditableTextArea(QWidget* widget) {
    auto* edit = qobject_cast<QPlainTextEdit*>(widget);
    return edit && !edit->isReadOnly();
}

} // namespace ui::detail

namespace ui {

int newTextArea(int number, int x, int y, int width, int height, int flags) {
    detail::WindowRecord* window = detail::currentContainer();
    if (!window || number < 0)
        return 0;
    // Setting the area up fires textChanged(); none of that is the user's.
    detail::SuppressEvents suppress;
    auto* area = new QPlainTextEdit(window->widget);
    area->setLineWrapMode((flags & kTextAreaWrap) ? QPlainTextEdit::WidgetWidth
                                                  : QPlainTextEdit::NoWrap);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setTabChangesFocus(false);
    area->setFocusPolicy(Qt::ClickFocus); // Tab is handled by the window
    detail::GadgetRecord& record =
        detail::registerGadget(number, detail::GadgetKind::TextArea, area, x, y, width, height);
    record.font = detail::currentGadgetFont();
    const int windowNumber = window->number;
    // textChanged() also fires for the program's own setText; that one is
    // suppressed where setText runs.
    QObject::connect(area, &QPlainTextEdit::textChanged, [number, windowNumber] {
        detail::postEvent(kGadgetEvent, number, windowNumber, kChange);
    });
    area->installEventFilter(new detail::FocusReporter(area, number, windowNumber));
    return 1;
}

} // namespace ui
