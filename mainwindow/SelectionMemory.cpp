#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"

#include <QListWidget>

namespace {
// A memory sized for the list (one flag when the list is empty), true where an entry is selected.
QVector<bool> record(const QListWidget& list) {
    const int n = list.count();
    QVector<bool> memory(n > 0 ? n : 1, false);
    for (int i = 0; i < n; ++i)
        memory[i] = list.item(i)->isSelected();
    return memory;
}

void restore(QListWidget& list, const frmMain& w, const QString& which) {
    for (int i = 0; i < list.count(); ++i)
        if (w.IsSel(which, i))
            list.item(i)->setSelected(true);
}
} // namespace

void frmMain::SavePkF() {
    PkF = record(*File1);
}

void frmMain::SavePkS() {
    PkS = record(*lstSelected);
}

void frmMain::SetPkF() {
    restore(*File1, *this, u"F"_qs);
}

void frmMain::SetPkS() {
    restore(*lstSelected, *this, u"S"_qs);
}

bool frmMain::IsSel(const QString& w, qint64 el) const {
    const QVector<bool>* memory = w == u"F" ? &PkF : w == u"S" ? &PkS : nullptr;
    // Outside the memory (never recorded, -1, or past a drop that was stopped) reads as false.
    if (!memory || el < 0 || el >= memory->size())
        return false;
    return (*memory)[el];
}
