// The multi-line text area: editable, unlimited, optionally word-wrapped.
#include "ui/qt/qt_backend.h"
#include "ui/toolkit.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace ui::qt {
namespace {

// Reports the area gaining and losing the keyboard focus.
class FocusReporter : public QObject {
  public:
    FocusReporter(QObject* parent, int number) : QObject(parent), number_(number) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            core::reportGadget(number_, kFocus);
        else if (event->type() == QEvent::FocusOut)
            core::reportGadget(number_, kFocusLost);
        return false;
    }

  private:
    int number_;
};

} // namespace

QWidget* newTextArea(QWidget* window, int number, const QString&, int flags) {
    auto* area = new QPlainTextEdit(window);
    area->setLineWrapMode((flags & kTextAreaWrap) ? QPlainTextEdit::WidgetWidth
                                                  : QPlainTextEdit::NoWrap);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setTabChangesFocus(false);
    // textChanged() also fires for the program's own text, which the core
    // does not take as the user's.
    QObject::connect(area, &QPlainTextEdit::textChanged,
                     [number] { core::reportGadget(number, kChange); });
    area->installEventFilter(new FocusReporter(area, number));
    return area;
}

void setTextAreaText(QWidget* area, const QString& text) {
    auto* edit = static_cast<QPlainTextEdit*>(area);
    if (text.isEmpty()) {
        edit->clear();
        return;
    }
    edit->horizontalScrollBar()->setValue(0);
    edit->setPlainText(text);
}

} // namespace ui::qt

namespace ui::backend {

bool isEditable(Native area) {
    return !static_cast<QPlainTextEdit*>(qt::widget(area))->isReadOnly();
}

} // namespace ui::backend
