#include "gui/mainwindow/ShowHint.h"
#include "gui/mainwindow/frmMain.h"

#include <QString>

using namespace Qt::StringLiterals;

// The hint bar follows the pointer. The frames around the controls bring the default hint back
// (an empty text); the frame of the playlist name blanks the bar. Controls without a handler
// here (the drive list, the "un-select all" buttons, labels, notes, the status row) leave the
// last hint standing.

void frmMain::Form_MouseMove() {
    ShowHint(QString());
}
void frmMain::cmdNew_MouseMove() {
    ShowHint(tr("Click to begin a new playlist."));
}
void frmMain::cmdOpen_MouseMove() {
    ShowHint(tr("Click to open an existing playlist."));
}
void frmMain::cmdSave_MouseMove() {
    ShowHint(tr("Click to save this playlist."));
}
void frmMain::cmdDelete_MouseMove() {
    ShowHint(tr("Click to delete currently selected .m3u playlist file."));
}
void frmMain::cmdClear_MouseMove() {
    ShowHint(tr("Drag MP3s from Selected - or highlight and click here."));
}
void frmMain::cmdUp_MouseMove() {
    ShowHint(tr("Click to move selected item up in playlist."));
}
void frmMain::cmdDn_MouseMove() {
    ShowHint(tr("Click to move selected item down in playlist."));
}
void frmMain::Dir1_MouseMove() {
    ShowHint(tr("Select folder with .mp3 files."));
}
void frmMain::File1_MouseMove() {
    ShowHint(tr("Double-click for Header info. Rt-Click for ID3 tag."));
}
void frmMain::lstSelected_MouseMove() {
    ShowHint(tr("Drag'n'drop to Trashcan or Player. Rt-click for ID3 tag."));
}
void frmMain::fraAvail_MouseMove() {
    ShowHint(QString());
}
void frmMain::fraSelected_MouseMove() {
    ShowHint(QString());
}
void frmMain::fraMenu_MouseMove() {
    ShowHint(QString());
}
void frmMain::fraFiller_MouseMove() {
    ShowHint(QString());
}
void frmMain::fraInfo_MouseMove() {
    ShowHint(u" "_s);
}
