#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/Entry.h"
#include "core/playlist/PlaylistDialog.h"
#include "core/playlist/PlaylistModel.h"
#include "core/text/TextFiles.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/playlist/PlaylistProcedures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {
Prompter& prompter() {
    return *shared().prompter;
}

bool stylePls() {
    return shared().style == PlaylistFormat::Pls;
}

void startNewPlaylist(frmMain& w) {
    w.playlist->clear();
    w.SavePkS();
}

// After Save and Save As: a written file offers a fresh list, a cancelled dialog says so. A
// failed save has shown its reason already: one box is enough.
void afterSave(frmMain& w, SaveOutcome outcome, const QString& notSavedTitle) {
    if (outcome == SaveOutcome::Cancelled)
        prompter().inform(QCoreApplication::translate("frmMain", "Not saved."), notSavedTitle,
                          MsgIcon::Information);
    else if (outcome == SaveOutcome::Saved &&
             prompter().askYesNo(
                 QCoreApplication::translate("frmMain", "Saved. Clear selections for new list?"),
                 QCoreApplication::translate("frmMain", "What now?")))
        startNewPlaylist(w);
    w.File1->setFocus();
}
// The file is read whole before the list is touched: a file that vanished or cannot be read
// leaves the playlist as it was. It is read as what it is; the style decides only for a file
// that tells nothing of its format.
void openPlaylist(frmMain& w, const QString& path) {
    const QString name = PathStyle::native().folded(path);
    const bool read = FileExists(path) && (stylePls() ? OpenPls(w, name) : OpenM3U(w, name));
    if (!read) {
        prompter().inform(QCoreApplication::translate("frmMain", "Could not access this file."),
                          QCoreApplication::translate("frmMain", "Problem"), MsgIcon::Exclamation);
        return;
    }
    w.SavePkS();
    w.File1->setFocus();
}
} // namespace

void frmMain::cmdNew_Click() {
    if (!prompter().askYesNo(tr("Clear current selections and prepare a new playlist? (be sure "
                                "you have saved any changes)"),
                             tr("Confirm")))
        return;
    startNewPlaylist(*this);
    File1->setFocus();
}

bool frmMain::askToSaveChanges() {
    if (!playlist->isModified())
        return true;
    const MsgAnswer answer =
        prompter().show({tr("Save changes to the playlist?"), tr("Confirm"),
                         MsgButtons::YesNoCancel, MsgIcon::Question, MsgAnswer::Yes});
    if (answer != MsgAnswer::Yes)
        return answer == MsgAnswer::No;
    if (playlist->filePath().isEmpty()) {
        setDialogForStyle(dlgCD, shared().style);
        return (stylePls() ? SaveAsPls(*this) : SaveAs(*this)) == SaveOutcome::Saved;
    }
    return SaveEdits(*this) == SaveOutcome::Saved;
}

void frmMain::cmdOpen_Click() {
    if (!askToSaveChanges())
        return;
    setDialogForStyle(dlgCD, shared().style);
    dlgCD.fileName.clear();
    dlgCD.initialDir = Dir1->Path();
    dlgCD.flags = kPlaylistOpenFlags;
    const QString path = shared().fileDialogs->getOpenFileName(dlgCD);
    if (path.isEmpty())
        return;
    openPlaylist(*this, path);
}

void frmMain::openGivenPlaylist(const QString& path) {
    openPlaylist(*this, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

void frmMain::cmdSave_Click() {
    if (playlist->count() == 0) {
        prompter().inform(tr("No files in the playlist!"), tr("Can't save!"), MsgIcon::Information);
        return;
    }
    setDialogForStyle(dlgCD, shared().style);
    dlgCD.fileName.clear();
    SaveOutcome saved = SaveOutcome::Cancelled;
    if (playlist->filePath().isEmpty())
        saved = stylePls() ? SaveAsPls(*this) : SaveAs(*this);
    else
        saved = SaveEdits(*this);
    afterSave(*this, saved, tr("Notice"));
}

void frmMain::mnuSaveAs_Click() {
    // Keeps the filter and default extension that Open or Save last set.
    const SaveOutcome saved = stylePls() ? SaveAsPls(*this) : SaveAs(*this);
    afterSave(*this, saved, tr("Notice!"));
}

void frmMain::cmdDelete_Click() {
    const QString name = playlist->filePath();
    if (name.isEmpty()) {
        prompter().inform(tr("No playlist to be deleted!"), tr("Oops"), MsgIcon::Information);
        return;
    }
    if (!FileExists(name)) {
        prompter().inform(tr("Could not find ") + name + tr(" to delete it."), tr("Sorry"),
                          MsgIcon::Exclamation);
        return;
    }
    if (!prompter().askYesNo(tr("Are you sure you want to delete ") + name + u'?', tr("Confirm")))
        return;
    if (!QFile::remove(name)) {
        prompter().inform(tr("Could not delete. Perhaps in use."), tr("Notice"),
                          MsgIcon::Information);
        return;
    }
    startNewPlaylist(*this);
    File1->setFocus();
}
