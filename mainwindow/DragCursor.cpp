#include "mainwindow/frmMain.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kDropCursorProperty = "velmoraDropCursor";
}

// Each list keeps its own drag cursor; whoever draws the drag reads it from here.
void frmMain::setDragCursor(QWidget* source, bool drop) {
    if (source)
        source->setProperty(kDropCursorProperty, drop);
}

bool frmMain::showsDropCursor(const QWidget* source) const {
    return source && source->property(kDropCursorProperty).toBool();
}
