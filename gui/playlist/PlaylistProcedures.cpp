#include "gui/playlist/PlaylistProcedures.h"

#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PlaylistDialog.h"
#include "core/playlist/PlaylistFormat.h"
#include "core/playlist/PlaylistModel.h"
#include "core/playlist/SaveRefusal.h"
#include "core/settings/Settings.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFiles.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/frmMain.h"

#include <QCoreApplication>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
bool openPlaylist(frmMain& w, const QString& path, PlaylistFormat format) {
    if (!w.playlist->load(path, format))
        return false;
    w.markMissingSongs();
    return true;
}

// UsePaths is read afresh for every save; without a settings store the computer decides.
PathMode currentPathMode() {
    IniFiler* ini = shared().settings.get();
    return ini ? Settings(*ini).pathMode() : PathMode::Decide;
}

void cannotSave(const QString& text) {
    shared().prompter->inform(text, QCoreApplication::translate("frmMain", "Can't save"),
                              MsgIcon::Exclamation);
}

// Writes the whole playlist to path, replacing the file only once every byte is ready and
// written. On failure the user is told why and the old file is untouched.
bool savePlaylist(frmMain& w, const QString& path, PlaylistFormat format) {
    const PlaylistSave save = w.playlist->save(path, format, currentPathMode());
    if (!save.refused.isEmpty())
        cannotSave(refusalText(w.playlist->entries(), save.refused));
    else if (!save.written)
        cannotSave(QCoreApplication::translate("frmMain", "Could not save %1:\n%2")
                       .arg(path, save.reason));
    return save.written;
}

SaveOutcome saveWithDialog(frmMain& w, PlaylistFormat format) {
    const QString current = w.lblName->text();
    w.dlgCD.fileName.clear();
    w.dlgCD.initialDir = current == kNewPlaylistName ? w.Dir1->Path() : FolderOnly(current);
    w.dlgCD.flags = kPlaylistSaveFlags;
    const QString path = shared().fileDialogs->getSaveFileName(w.dlgCD);
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    if (!savePlaylist(w, path, format))
        return SaveOutcome::Failed;
    w.lblName->setText(path);
    shared().prompter->inform(QCoreApplication::translate("frmMain", "New playlist saved."),
                              QCoreApplication::translate("frmMain", "Notice"),
                              MsgIcon::Information);
    return SaveOutcome::Saved;
}

SaveOutcome saveUnderCurrentName(frmMain& w, PlaylistFormat format) {
    if (!savePlaylist(w, w.lblName->text(), format))
        return SaveOutcome::Failed;
    shared().prompter->inform(QCoreApplication::translate("frmMain", "Playlist saved."),
                              QCoreApplication::translate("frmMain", "Notice"),
                              MsgIcon::Information);
    return SaveOutcome::Saved;
}
} // namespace

bool OpenM3U(frmMain& w, const QString& pickedfile) {
    return openPlaylist(w, pickedfile, PlaylistFormat::M3u);
}

bool OpenPls(frmMain& w, const QString& pickedfile) {
    return openPlaylist(w, pickedfile, PlaylistFormat::Pls);
}

SaveOutcome SaveAs(frmMain& w) {
    return saveWithDialog(w, PlaylistFormat::M3u);
}

SaveOutcome SaveAsPls(frmMain& w) {
    return saveWithDialog(w, PlaylistFormat::Pls);
}

SaveOutcome SaveEdits(frmMain& w) {
    return saveUnderCurrentName(w, PlaylistFormat::M3u);
}

SaveOutcome SaveEditsPls(frmMain& w) {
    return saveUnderCurrentName(w, PlaylistFormat::Pls);
}
