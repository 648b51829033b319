#include "gui/mainwindow/AccessibleNames.h"

#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/DriveList.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
void describe(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

struct AccessibleNames {
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)
public:
    static void apply(frmMain& w);
};

void AccessibleNames::apply(frmMain& w) {
    describe(w.fraMenu, tr("Playlist file"), tr("New, Open, Save and Delete the playlist file"));
    describe(w.cmdNew, tr("New playlist"), tr("Empties the playlist to start a new one"));
    describe(w.cmdOpen, tr("Open playlist"), tr("Opens an M3U or PLS playlist file"));
    describe(w.cmdSave, tr("Save playlist"),
             tr("Saves the playlist; a new playlist asks for a file name"));
    describe(w.cmdDelete, tr("Delete playlist file"), tr("Deletes a playlist file from the disk"));
    describe(w.fraInfo, tr("Playlist name"),
             tr("The file the playlist was opened from or saved to"));
    describe(w.fraFiller, tr("Playlist editing"),
             tr("Remove, move up and move down playlist entries"));
    describe(
        w.cmdClear, tr("Remove from playlist"),
        tr("Removes the selected entries from the playlist: drop entries here to remove them"));
    describe(w.cmdUp, tr("Move up"), tr("Moves the selected entry one place up in the playlist"));
    describe(w.cmdDn, tr("Move down"),
             tr("Moves the selected entry one place down in the playlist"));
    describe(w.Drive1, tr("Volumes"), tr("The volume whose folders are shown"));
    describe(w.Dir1, tr("Folders"), tr("The folder whose songs are listed"));
    describe(w.File1, tr("Songs"),
             tr("The MP3 files of the folder: drag them to the playlist, or press Enter to add "
                "the selected songs; double-click for the header, right-click for the tag"));
    describe(w.cmdClearFile, tr("Un-select all songs"),
             tr("Clears the selection in the song list"));
    describe(w.lstSelected, tr("Playlist"),
             tr("The songs of the playlist in order: drop songs here to add them; Delete "
                "removes the selected entries"));
    describe(w.cmdClearSel, tr("Un-select all playlist entries"),
             tr("Clears the selection in the playlist"));
    describe(w.imPlayAll, tr("Play playlist"),
             tr("Click to play the saved playlist; drop playlist entries here to play them"));
    describe(w.imgPlay1, tr("Play song"), tr("Drop a song here to play it"));
    // The hint bar keeps its text as its name: that is what a reader should say.
    w.lblHint->setAccessibleDescription(tr("Explains the control under the pointer"));

    QWidget* previous = nullptr;
    for (QWidget* next : std::initializer_list<QWidget*>{
             w.cmdNew, w.cmdOpen, w.cmdSave, w.cmdDelete, w.cmdClear, w.cmdUp, w.cmdDn, w.Drive1,
             w.Dir1, w.File1, w.cmdClearFile, w.lstSelected, w.cmdClearSel}) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}
} // namespace

void nameMainWindowControls(frmMain& window) {
    AccessibleNames::apply(window);
}
