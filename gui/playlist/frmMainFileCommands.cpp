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

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
Prompter& prompter() {
    return *shared().prompter;
}

bool stylePls() {
    return shared().style == PlaylistFormat::Pls;
}

void startNewPlaylist(frmMain& w) {
    w.lblName->setText(kNewPlaylistName);
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
// leaves the playlist as it was.
void openPlaylist(frmMain& w, const QString& path, bool pls) {
    const bool read = FileExists(path) && (pls ? OpenPls(w, path) : OpenM3U(w, path));
    if (!read) {
        prompter().inform(QCoreApplication::translate("frmMain", "Could not access this file."),
                          QCoreApplication::translate("frmMain", "Problem"), MsgIcon::Exclamation);
        return;
    }
    w.SavePkS();
    w.lblName->setText(PathStyle::native().folded(path));
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

void frmMain::cmdOpen_Click() {
    setDialogForStyle(dlgCD, shared().style);
    dlgCD.fileName.clear();
    dlgCD.initialDir = Dir1->Path();
    dlgCD.flags = kPlaylistOpenFlags;
    const QString path = shared().fileDialogs->getOpenFileName(dlgCD);
    if (path.isEmpty())
        return;
    openPlaylist(*this, path, stylePls());
}

void frmMain::openGivenPlaylist(const QString& path) {
    // The file manager may hand over either type, whatever the style chosen in Options.
    const QString full = QFileInfo(path).absoluteFilePath();
    openPlaylist(*this, full, full.endsWith(u".pls"_s, Qt::CaseInsensitive));
}

void frmMain::cmdSave_Click() {
    if (playlist->count() == 0) {
        prompter().inform(tr("No files in the playlist!"), tr("Can't save!"), MsgIcon::Information);
        return;
    }
    setDialogForStyle(dlgCD, shared().style);
    dlgCD.fileName.clear();
    SaveOutcome saved = SaveOutcome::Cancelled;
    if (lblName->text() == kNewPlaylistName)
        saved = stylePls() ? SaveAsPls(*this) : SaveAs(*this);
    else
        saved = stylePls() ? SaveEditsPls(*this) : SaveEdits(*this);
    afterSave(*this, saved, tr("Notice"));
}

void frmMain::mnuSaveAs_Click() {
    // Keeps the filter and default extension that Open or Save last set.
    const SaveOutcome saved = stylePls() ? SaveAsPls(*this) : SaveAs(*this);
    afterSave(*this, saved, tr("Notice!"));
}

void frmMain::cmdDelete_Click() {
    const QString name = lblName->text();
    if (name == kNewPlaylistName) {
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

void frmMain::PickAPart(const QString& what, QString& fonly, QString& full) const {
    ::PickAPart(what, fonly, full);
}
