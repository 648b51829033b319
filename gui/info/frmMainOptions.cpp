#include "gui/info/frmOptions.h"
#include "gui/mainwindow/frmMain.h"

// A fresh dialog for every showing: it loads what the settings file holds now.
void frmMain::mnuConfig_Click() {
    frmOptions dialog(this);
    dialog.exec();
}
