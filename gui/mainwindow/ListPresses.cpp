#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"

#include <QAbstractItemView>

using namespace Qt::StringLiterals;

// A plain press collapses a list's selection to the pressed entry; a plain press on an entry of
// the remembered selection brings that selection back and puts the list into drag mode, so that
// several songs can be dragged at once. The drag itself starts when the pointer moves. A press
// with Shift or Ctrl changes the selection as the list's selection mode says, and is recorded.
namespace {
constexpr int kShiftKey = 1;
constexpr int kCtrlKey = 2;

struct ListMemory {
    QAbstractItemView* list;
    QString which;
    void (frmMain::*restore)();
    void (frmMain::*record)();
    void (frmMain::*rightButton)();
};

void mouseDown(frmMain& w, const ListMemory& m, int Button, int Shift) {
    if (m.list->model()->rowCount() == 0)
        return;
    if (Button == 2) {
        (w.*m.rightButton)();
        return;
    }
    const bool plain = (Shift & (kShiftKey | kCtrlKey)) == 0; // Alt does not change a selection
    if (Button == 1 && plain && w.IsSel(m.which, m.list->currentIndex().row())) {
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

void frmMain::File1_MouseDown(int Button, int Shift) {
    mouseDown(*this, fileList(*this), Button, Shift);
}

void frmMain::File1_MouseUp(int) {
    mouseUp(*this, fileList(*this));
}

void frmMain::lstSelected_MouseDown(int Button, int Shift) {
    mouseDown(*this, playlistList(*this), Button, Shift);
}

void frmMain::lstSelected_MouseUp(int) {
    mouseUp(*this, playlistList(*this));
}
