#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PlaylistModel.h"
#include "core/playlist/ShellDrop.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/ListSelection.h"
#include "gui/mainwindow/frmMain.h"

#include <QCoreApplication>
#include <QMimeData>

using namespace Qt::StringLiterals;

// Songs enter the playlist only by drops: from the file list, or as files from the desktop. A
// song already in the playlist is added again only when the user says so; a No stops the whole
// drop, keeping what it added so far (and the playlist's memory as it was).
namespace {
bool addAgain(const QString& what) {
    return shared().prompter->askYesNo(
        QCoreApplication::translate("frmMain", "File ") + what +
            QCoreApplication::translate("frmMain", " is already in playlist! Add again?"),
        QCoreApplication::translate("frmMain", "Confirm"), MsgAnswer::No);
}
} // namespace

void frmMain::lstSelected_DragDrop(QWidget* Source) {
    if (Source != File1 || File1->count() == 0) {
        EndDrag(Source);
        return;
    }
    const QString folder = File1->Path();
    const QVector<bool> selected = selectionFlags(*File1);
    QVector<Entry> songs;
    for (int i = 0; i < selected.size(); ++i)
        if (selected[i])
            songs << entryFromFolderAndName(folder, File1->item(i)->text());
    // Song names differing only in case are different songs here.
    const int before = playlist->count();
    const bool whole = playlist->append(songs, PlaylistModel::Match::Exact,
                                        [&](qsizetype i) { return addAgain(songs[i].text()); });
    markMissingSongs(before); // the rest was looked at before
    if (whole)
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
    QStringList paths;
    QVector<Entry> songs;
    for (const QString& path : *files)
        if (hasMp3Ending(path)) {
            paths << path;
            songs << entryFromPath(path);
        }
    // Files from the desktop are named by their path, and compared as the file system compares
    // names: song.mp3 beside Song.mp3 is another song on Linux.
    const auto match = PathStyle::native().ignoresCase ? PlaylistModel::Match::IgnoringCase
                                                       : PlaylistModel::Match::Exact;
    const int before = playlist->count();
    const bool whole =
        playlist->append(songs, match, [&](qsizetype i) { return addAgain(paths[i]); });
    markMissingSongs(before); // the rest was looked at before
    if (whole)
        SavePkS();
}

void frmMain::cmdClear_DragDrop(QWidget* Source) {
    if (Source != lstSelected || lstSelected->count() == 0) {
        EndDrag(Source);
        return;
    }
    // No question here: dragging onto the bin is already the user's choice.
    lstSelected->removeSelected();
    EndDrag(Source);
    SavePkS();
}

// Nothing goes back into the file list; a drop there only ends the drag.
void frmMain::File1_DragDrop(QWidget* Source) {
    EndDrag(Source);
}
