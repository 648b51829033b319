#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/ListSelection.h"
#include "gui/mainwindow/frmMain.h"

#include <QAbstractItemView>

namespace {
// A memory sized for the list (one flag when the list is empty), true where an entry is selected.
QVector<bool> record(QVector<bool> selected) {
    if (selected.isEmpty())
        selected.append(false);
    return selected;
}
} // namespace

void frmMain::SavePkF() {
    PkF = record(selectionFlags(*File1));
}

void frmMain::SavePkS() {
    PkS = record(lstSelected->selectedFlags());
}

// Restoring never unselects: an entry selected since the recording stays selected.
void frmMain::SetPkF() {
    selectFlagged(*File1, PkF);
}

void frmMain::SetPkS() {
    selectFlagged(*lstSelected, PkS);
}

bool frmMain::IsSel(const QString& w, qint64 el) const {
    const QVector<bool>* memory = w == u"F" ? &PkF : w == u"S" ? &PkS : nullptr;
    // Outside the memory (never recorded, -1, or past a drop that was stopped) reads as false.
    if (!memory || el < 0 || el >= memory->size())
        return false;
    return (*memory)[el];
}
