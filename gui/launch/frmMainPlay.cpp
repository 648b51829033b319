#include "core/launch/PlayerCommand.h"
#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/platform/Shell.h"
#include "core/playlist/Entry.h"
#include "core/playlist/PlaylistModel.h"
#include "core/text/TextFiles.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/playlist/PlaylistProcedures.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
// Show the player's window in its current size and position.
constexpr int kShowNormal = 5;

void inform(const QString& text, const QString& title) {
    shared().prompter->inform(text, title, MsgIcon::Information);
}

void reportMissing(const QString& path) {
    inform(QCoreApplication::translate("frmMain", "Can't find file ") + path + u'.',
           QCoreApplication::translate("frmMain", "Can't play."));
}

// Named after the playlist's own format, which is what its file holds.
void reportNoPlaylistPlayer(PlaylistFormat format) {
    inform(format == PlaylistFormat::Pls
               ? QCoreApplication::translate("frmMain", "Can't find default .pls player.")
               : QCoreApplication::translate("frmMain", "Can't find default .m3u player."),
           QCoreApplication::translate("frmMain", "Sorry"));
}

bool openWithDefaultProgram(const QString& path) {
    return shellSucceeded(
        shared().shell->open(path, QString(), shared().programFolder(), kShowNormal));
}

// The player (or the file manager) would not start: say which command failed.
void startCommand(const QString& commandLine) {
    if (commandLine.isEmpty()) {
        inform(QCoreApplication::translate(
                   "frmMain", "Can't start the default player: it gave no command line."),
               QCoreApplication::translate("frmMain", "Sorry"));
        return;
    }
    if (!shared().shell->startCommandLine(commandLine))
        inform(QCoreApplication::translate("frmMain", "Can't start ") + commandLine + u'.',
               QCoreApplication::translate("frmMain", "Sorry"));
}
} // namespace

void frmMain::imgPlay1_DragOver(QWidget* Source) {
    if (Source == lstSelected || Source == File1)
        setDragCursor(Source, true);
}

void frmMain::imPlayAll_DragOver(QWidget* Source) {
    if (Source == lstSelected)
        setDragCursor(Source, true);
}

void frmMain::imgPlay1_DragDrop(QWidget* Source) {
    QString full;
    if (Source == lstSelected) {
        const int row = lstSelected->currentRow();
        if (row >= 0 && lstSelected->count() > 0) {
            full = playlistSong(row);
            // A stream address goes to the default application as it is, like a file.
            if (!playlist->at(row).stream && !FileExists(full)) {
                reportMissing(full);
                full.clear();
            }
        }
    } else if (Source == File1) {
        // No existence check here: a song that vanished shows up as a failed open.
        full = currentFileListSong();
    }
    if (!full.isEmpty()) {
        if (openWithDefaultProgram(full))
            songPlaying = full;
        else
            inform(tr("Can't find default .mp3 player."), tr("Sorry"));
    }
    EndDrag(Source);
}

void frmMain::imPlayAll_Click() {
    const QString name = playlist->filePath();
    if (name.isEmpty()) {
        inform(tr("You must save the playlist first!"), tr("Oops"));
        return;
    }
    if (!FileExists(name)) {
        reportMissing(name);
        return;
    }
    if (!openWithDefaultProgram(name))
        reportNoPlaylistPlayer(playlist->format());
}

void frmMain::imPlayAll_DragDrop(QWidget* Source) {
    if (Source == lstSelected) {
        const QString name = playlist->filePath();
        if (name.isEmpty()) {
            inform(tr("You must save the playlist first!"), tr("Oops"));
        } else if (lstSelected->currentRow() >= 0) {
            if (!FileExists(name)) {
                reportMissing(name);
            } else {
                const ShellLookup lookup = shared().shell->findExecutable(name, FolderOnly(name));
                if (shellSucceeded(lookup.result))
                    startCommand(playerCommandLine(lookup.program));
                else
                    reportNoPlaylistPlayer(playlist->format());
            }
        }
    }
    EndDrag(Source);
}

void frmMain::mnuExplorer_Click() {
    const QString folder = Dir1->Path();
    if (!openWithDefaultProgram(folder))
        inform(tr("Can't start the file manager on ") + folder + u'.', tr("Sorry"));
}
