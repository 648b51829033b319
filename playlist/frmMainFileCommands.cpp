#include "mainwindow/frmMain.h"
#include "playlist/Entry.h"

// Filled in with the playlist file commands.
void frmMain::cmdNew_Click() {}
void frmMain::cmdOpen_Click() {}
void frmMain::cmdSave_Click() {}
void frmMain::cmdDelete_Click() {}
void frmMain::mnuSaveAs_Click() {}

void frmMain::PickAPart(const QString& what, QString& fonly, QString& full) const {
    ::PickAPart(what, fonly, full);
}
