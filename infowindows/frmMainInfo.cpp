#include "mainwindow/frmMain.h"

// Filled in with the About and Hints windows.
void frmMain::mnuAbout_Click() {}
void frmMain::mnuHints_Click() {}
