#include "mainwindow/frmMain.h"

// Filled in with the player launch.
void frmMain::imgPlay1_DragOver(QWidget*) {}
void frmMain::imgPlay1_DragDrop(QWidget* Source) {
    EndDrag(Source);
}
void frmMain::imPlayAll_DragOver(QWidget*) {}
void frmMain::imPlayAll_DragDrop(QWidget* Source) {
    EndDrag(Source);
}
void frmMain::imPlayAll_Click() {}
void frmMain::mnuExplorer_Click() {}
