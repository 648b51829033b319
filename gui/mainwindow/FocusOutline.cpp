#include "gui/mainwindow/FocusOutline.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {
// Paints over the widget once it has painted itself: the painting is handed to the widget
// from inside the filter, then the outline drawn on top.
class FocusOutline : public QObject {
public:
    FocusOutline(QWidget& widget, int inset, Qt::PenStyle line)
        : QObject(&widget), inset_(inset), line_(line) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() != QEvent::Paint || painting_ || !widget->hasFocus())
            return false;
        painting_ = true;
        QCoreApplication::sendEvent(widget, event);
        painting_ = false;
        QPainter painter(widget);
        painter.setPen(QPen(widget->palette().color(widget->foregroundRole()), 1, line_));
        painter.drawRect(widget->rect().adjusted(inset_, inset_, -inset_ - 1, -inset_ - 1));
        return true;
    }

private:
    int inset_;
    Qt::PenStyle line_;
    bool painting_ = false;
};
} // namespace

void outlineFocus(QWidget& widget, int inset, Qt::PenStyle line) {
    new FocusOutline(widget, inset, line); // owned by the widget
}
