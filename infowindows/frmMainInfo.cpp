#include "infowindows/frmAbout.h"
#include "infowindows/frmHints.h"
#include "mainwindow/frmMain.h"

// Each showing gets a fresh window, released when it closes.
void frmMain::mnuAbout_Click() {
    frmAbout dialog(this);
    dialog.exec();
}

void frmMain::mnuHints_Click() {
    frmHints dialog(this);
    dialog.exec();
}
