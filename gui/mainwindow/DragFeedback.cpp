#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"

// While a list is dragged, the control under the pointer decides which of the two cursors the
// list shows: the drop cursor where a drop does something, the carry cursor on the frames around
// the playlist and over the file list. Other controls leave it as it is.

void frmMain::lstSelected_DragOver(QWidget* Source) {
    if (Source == File1)
        setDragCursor(Source, true);
}

void frmMain::cmdClear_DragOver(QWidget* Source) {
    if (Source == lstSelected)
        setDragCursor(Source, true);
}

void frmMain::File1_DragOver(QWidget* Source) {
    setDragCursor(Source, false);
}

void frmMain::fraFiller_DragOver(QWidget* Source) {
    setDragCursor(Source, false);
}

void frmMain::fraSelected_DragOver(QWidget* Source) {
    setDragCursor(Source, false);
}

void frmMain::Label1_DragOver(int, QWidget* Source) {
    setDragCursor(Source, false);
}
