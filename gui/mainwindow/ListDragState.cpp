#include "gui/mainwindow/frmMain.h"

#include <QVariant>
#include <QWidget>

// A list's drag state belongs to the list, as its drag cursor and drag mode; drop targets change
// the cursor of whatever list is being dragged, and the drag reads it back from here.
namespace {
constexpr const char* kDropCursorProperty = "velmoraDropCursor";
constexpr const char* kDragModeProperty = "velmoraDragMode";
} // namespace

void frmMain::setDragCursor(QWidget* source, bool drop) {
    if (source)
        source->setProperty(kDropCursorProperty, drop);
}

bool frmMain::showsDropCursor(const QWidget* source) const {
    return source && source->property(kDropCursorProperty).toBool();
}

void frmMain::setDragMode(QWidget* list, bool dragging) {
    if (list)
        list->setProperty(kDragModeProperty, dragging);
}

bool frmMain::isInDragMode(const QWidget* list) const {
    return list && list->property(kDragModeProperty).toBool();
}

void frmMain::EndDrag(QWidget* Source) {
    setDragCursor(Source, false);
    setDragMode(Source, false);
}
