#include "mainwindow/frmMain.h"

#include <QMimeData>

// Filled in with drag and drop, the editing buttons, the hint bar and the counters.
void frmMain::File1_MouseDown(int Button) {
    if (Button == 2)
        File1_RightButtonDown();
}
void frmMain::File1_MouseUp(int) {}
void frmMain::lstSelected_MouseDown(int Button) {
    if (Button == 2)
        lstSelected_RightButtonDown();
}
void frmMain::lstSelected_MouseUp(int) {}
void frmMain::File1_DragOver(QWidget*) {}
void frmMain::File1_DragDrop(QWidget* Source) {
    EndDrag(Source);
}
void frmMain::lstSelected_DragOver(QWidget*) {}
void frmMain::lstSelected_DragDrop(QWidget* Source) {
    EndDrag(Source);
}
Qt::DropAction frmMain::lstSelected_OLEDragOver(const QMimeData*, Qt::DropAction proposed) {
    return proposed;
}
void frmMain::lstSelected_OLEDragDrop(const QMimeData*) {}
void frmMain::cmdClear_DragOver(QWidget*) {}
void frmMain::cmdClear_DragDrop(QWidget* Source) {
    EndDrag(Source);
}
void frmMain::fraFiller_DragOver(QWidget*) {}
void frmMain::fraSelected_DragOver(QWidget*) {}
void frmMain::Label1_DragOver(int, QWidget*) {}
void frmMain::EndDrag(QWidget*) {}
void frmMain::cmdUp_Click() {}
void frmMain::cmdDn_Click() {}
void frmMain::cmdClear_Click() {}
void frmMain::Timer1_Timer() {}
