#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"

#include <QAbstractItemView>

using namespace Qt::StringLiterals;

// A press collapses a list's selection to the pressed entry; a press on an entry of the
// remembered selection brings that selection back and puts the list into drag mode, so that
// several songs can be dragged at once. The drag itself starts when the pointer moves.
namespace {
struct ListMemory {
    QAbstractItemView* list;
    QString which;
    void (frmMain::*restore)();
    void (frmMain::*record)();
    void (frmMain::*rightButton)();
};

void mouseDown(frmMain& w, const ListMemory& m, int Button) {
    if (m.list->model()->rowCount() == 0)
        return;
    if (Button == 2) {
        (w.*m.rightButton)();
        return;
    }
    if (Button == 1 && w.IsSel(m.which, m.list->currentIndex().row())) {
        (w.*m.restore)();
        w.setDragMode(m.list, true);
    }
    (w.*m.record)();
}

void mouseUp(frmMain& w, const ListMemory& m) {
    (w.*m.record)();
    w.setDragMode(m.list, false);
}

ListMemory fileList(frmMain& w) {
    return {w.File1, u"F"_s, &frmMain::SetPkF, &frmMain::SavePkF, &frmMain::File1_RightButtonDown};
}

ListMemory playlistList(frmMain& w) {
    return {w.lstSelected, u"S"_s, &frmMain::SetPkS, &frmMain::SavePkS,
            &frmMain::lstSelected_RightButtonDown};
}
} // namespace

void frmMain::File1_MouseDown(int Button) {
    mouseDown(*this, fileList(*this), Button);
}

void frmMain::File1_MouseUp(int) {
    mouseUp(*this, fileList(*this));
}

void frmMain::lstSelected_MouseDown(int Button) {
    mouseDown(*this, playlistList(*this), Button);
}

void frmMain::lstSelected_MouseUp(int) {
    mouseUp(*this, playlistList(*this));
}
