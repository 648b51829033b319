#include "gui/info/frmAbout.h"
#include "gui/info/frmHints.h"
#include "gui/mainwindow/frmMain.h"

// Each showing gets a fresh window, released when it closes.
void frmMain::mnuAbout_Click() {
    frmAbout dialog(this);
    dialog.exec();
}

void frmMain::mnuHints_Click() {
    frmHints dialog(this);
    dialog.exec();
}
