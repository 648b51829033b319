#include "mainwindow/frmMain.h"

// Filled in with the Options dialog.
void frmMain::mnuConfig_Click() {}
