#include "app/SharedState.h"
#include "mainwindow/EntryTextSet.h"
#include "mainwindow/FileList.h"
#include "mainwindow/ListSelection.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/ShellDrop.h"
#include "mainwindow/frmMain.h"
#include "platform/Prompter.h"

#include <QListWidget>
#include <QMimeData>

using namespace Qt::StringLiterals;

// Songs enter the playlist only by drops: from the file list, or as files from the desktop. A
// song already in the playlist is added again only when the user says so; a No stops the whole
// drop, keeping what it added so far.
namespace {
QStringList entryTexts(const QListWidget& list) {
    QStringList texts;
    texts.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

bool addAgain(const QString& what) {
    return shared().prompter->askYesNo(u"File "_s + what +
                                           u" is already in playlist! Add again?"_s,
                                       u"Confirm"_s, MsgAnswer::No);
}
} // namespace

void frmMain::lstSelected_DragDrop(QWidget* Source) {
    if (Source != File1 || File1->count() == 0) {
        EndDrag(Source);
        return;
    }
    const QString folder = File1->Path();
    const QVector<bool> selected = selectionFlags(*File1);
    // Song names differing only in case are different songs here.
    EntryTextSet present(entryTexts(*lstSelected), EntryTextSet::Compare::Exact);
    for (int i = 0; i < selected.size(); ++i) {
        if (!selected[i])
            continue;
        const Entry entry = entryFromFolderAndName(folder, File1->item(i)->text());
        const QString text = entry.text();
        if (present.contains(text) && !addAgain(text)) {
            EndDrag(Source);
            return;
        }
        appendEntry(*lstSelected, entry);
        present.add(text);
    }
    SavePkS();
    EndDrag(Source);
}

Qt::DropAction frmMain::lstSelected_OLEDragOver(const QMimeData* data, Qt::DropAction proposed) {
    return data ? shellDragAnswer(*data, proposed) : proposed;
}

void frmMain::lstSelected_OLEDragDrop(const QMimeData* data) {
    const std::optional<QStringList> files = data ? droppedFiles(*data) : std::nullopt;
    if (!files)
        return;
    // Files from the desktop are compared without regard to case.
    EntryTextSet present(entryTexts(*lstSelected), EntryTextSet::Compare::LowerCase);
    for (const QString& path : *files) {
        if (!hasMp3Ending(path))
            continue;
        const Entry entry = entryFromPath(path);
        const QString text = entry.text();
        if (present.contains(text) && !addAgain(path))
            return;
        appendEntry(*lstSelected, entry);
        present.add(text);
    }
    SavePkS();
}

void frmMain::cmdClear_DragDrop(QWidget* Source) {
    if (Source != lstSelected || lstSelected->count() == 0) {
        EndDrag(Source);
        return;
    }
    // No question here: dragging onto the bin is already the user's choice.
    removeSelectedEntries(*lstSelected);
    EndDrag(Source);
    SavePkS();
}

// Nothing goes back into the file list; a drop there only ends the drag.
void frmMain::File1_DragDrop(QWidget* Source) {
    EndDrag(Source);
}
