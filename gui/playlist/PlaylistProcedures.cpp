#include "gui/playlist/PlaylistProcedures.h"

#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PlaylistDialog.h"
#include "core/playlist/PlaylistFormat.h"
#include "core/playlist/PlaylistFormats.h"
#include "core/playlist/PlaylistModel.h"
#include "core/settings/Settings.h"
#include "core/text/TextFiles.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/frmMain.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {
bool openPlaylist(frmMain& w, const QString& path, PlaylistFormat fallback) {
    if (!w.playlist->load(path, fallback))
        return false; // Open says so in its own words
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
    const Result<> saved = w.playlist->save(path, format, currentPathMode());
    if (!saved)
        cannotSave(saved.reason());
    return saved.ok();
}

SaveOutcome saveWithDialog(frmMain& w, PlaylistFormat otherwise) {
    const QString current = w.playlist->filePath();
    w.dlgCD.fileName.clear();
    w.dlgCD.initialDir = current.isEmpty() ? w.Dir1->Path() : FolderOnly(current);
    w.dlgCD.flags = kPlaylistSaveFlags;
    const QString path = shared().fileDialogs->getSaveFileName(w.dlgCD);
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    // mix.m3u is written as M3U whatever the dialog's filter offered.
    if (!savePlaylist(w, path, formatOfName(path).value_or(otherwise)))
        return SaveOutcome::Failed;
    shared().prompter->inform(QCoreApplication::translate("frmMain", "New playlist saved."),
                              QCoreApplication::translate("frmMain", "Notice"),
                              MsgIcon::Information);
    return SaveOutcome::Saved;
}

SaveOutcome saveUnderCurrentName(frmMain& w) {
    if (!savePlaylist(w, w.playlist->filePath(), w.playlist->format()))
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
    return saveUnderCurrentName(w);
}
