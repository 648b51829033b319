#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"

// The keyboard does what the mouse does by a drop, with the same questions.

bool frmMain::File1_KeyDown(int KeyCode) {
    if (KeyCode != Qt::Key_Return && KeyCode != Qt::Key_Enter)
        return false;
    lstSelected_DragDrop(File1);
    return true;
}

bool frmMain::lstSelected_KeyDown(int KeyCode) {
    if (KeyCode != Qt::Key_Delete)
        return false;
    cmdClear_DragDrop(lstSelected);
    return true;
}
