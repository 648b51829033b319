#include "mainwindow/frmMain.h"

// Filled in with the header report and the tag window.
void frmMain::ShowHeader() {}
void frmMain::File1_DblClick() {
    ShowHeader();
}
void frmMain::File1_RightButtonDown() {}
void frmMain::lstSelected_RightButtonDown() {}
