#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/DriveList.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/ListSelection.h"
#include "gui/mainwindow/frmMain.h"

#include <QAbstractItemView>

using namespace Qt::StringLiterals;

void frmMain::Drive1_Change() {
    const QString previous = Dir1->Path();
    if (Dir1->setPath(Drive1->Drive()))
        return;
    Dir1->setPath(previous);
    // Not through this handler again: it would move the folder list to the drive's root.
    Drive1->showDriveOf(previous);
    shared().prompter->inform(tr("Error changing drives."), tr("Oops"), MsgIcon::Information);
}

void frmMain::Dir1_Change() {
    // The drive list names the volume of the folder shown, wherever the user walked to.
    Drive1->showDriveOf(Dir1->Path());
    File1->setPath(Dir1->Path());
}

void frmMain::File1_PathChange() {
    SavePkF();
}

namespace {
// The memory is not recorded again: it keeps its size, with no entry remembered.
void unselectAll(QAbstractItemView& list, QVector<bool>& memory) {
    if (list.model()->rowCount() == 0)
        return;
    unselectAll(list);
    memory.fill(false);
}
} // namespace

void frmMain::cmdClearFile_Click() {
    unselectAll(*File1, PkF);
}

void frmMain::cmdClearSel_Click() {
    unselectAll(*lstSelected, PkS);
}
