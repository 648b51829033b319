#include "playlist/PlaylistProcedures.h"

#include "app/AtomicFile.h"
#include "app/Settings.h"
#include "app/SharedState.h"
#include "app/TextFiles.h"
#include "mainwindow/DirList.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"
#include "platform/Prompter.h"
#include "playlist/PlaylistDialog.h"
#include "playlist/PlaylistFormat.h"

#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
bool openPlaylist(frmMain& w, const QString& path, PlaylistFormat format) {
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return false;
    const QVector<Entry> entries = parsePlaylist(format, *bytes);
    w.lstSelected->clear();
    appendEntries(*w.lstSelected, entries);
    return true;
}

// UsePaths is read afresh for every save; without a settings store the computer decides.
PathMode currentPathMode() {
    IniFiler* ini = shared().settings.get();
    return ini ? Settings(*ini).pathMode() : PathMode::Decide;
}

QString unwritableSong(const QString& song, LineFault fault) {
    QString why;
    switch (fault) {
    case LineFault::LineBreak:
        why = u"its name holds a line break"_s;
        break;
    case LineFault::Encoding:
        why = u"its name holds a character that the system's text encoding cannot write"_s;
        break;
    case LineFault::NotText:
        why = u"its name is not valid text in the system's encoding, so the playlist would name "
              "another file"_s;
        break;
    case LineFault::ReadAsOther:
    case LineFault::None:
        why = u"its line would be read back as another file (an empty name, blanks at either "
              "end, or a leading \"#EXT\")"_s;
        break;
    }
    return u"The song \"%1\" cannot be saved in this playlist: %2.\nNothing was saved."_s.arg(song,
                                                                                              why);
}

void cannotSave(const QString& text) {
    shared().prompter->inform(text, u"Can't save"_s, MsgIcon::Exclamation);
}

// Writes the whole playlist to path, replacing the file only once every byte is ready and
// written. On failure the user is told why and the old file is untouched.
bool writePlaylistFile(frmMain& w, const QString& path, PlaylistFormat format) {
    const QVector<Entry> entries = allEntries(*w.lstSelected);
    const WrittenPlaylist written = writePlaylist(format, entries, currentPathMode(), path);
    if (!written.ok()) {
        cannotSave(unwritableSong(fullPath(entries[written.unwritable]), written.fault));
        return false;
    }
    QString reason;
    if (!replaceFileAtomically(path, written.bytes, &reason)) {
        cannotSave(u"Could not save %1:\n%2"_s.arg(path, reason));
        return false;
    }
    return true;
}

bool saveWithDialog(frmMain& w, PlaylistFormat format) {
    const QString current = w.lblName->text();
    w.dlgCD.fileName.clear();
    w.dlgCD.initialDir = current == kNewPlaylistName ? w.Dir1->Path() : FolderOnly(current);
    w.dlgCD.flags = kPlaylistSaveFlags;
    const QString path = shared().fileDialogs->getSaveFileName(w.dlgCD);
    if (path.isEmpty())
        return false;
    if (!writePlaylistFile(w, path, format))
        return false;
    w.lblName->setText(path);
    shared().prompter->inform(u"New playlist saved."_s, u"Notice"_s, MsgIcon::Information);
    return true;
}

bool saveUnderCurrentName(frmMain& w, PlaylistFormat format) {
    if (!writePlaylistFile(w, w.lblName->text(), format))
        return false;
    shared().prompter->inform(u"Playlist saved."_s, u"Notice"_s, MsgIcon::Information);
    return true;
}
} // namespace

bool OpenM3U(frmMain& w, const QString& pickedfile) {
    return openPlaylist(w, pickedfile, PlaylistFormat::M3u);
}

bool OpenPls(frmMain& w, const QString& pickedfile) {
    return openPlaylist(w, pickedfile, PlaylistFormat::Pls);
}

bool SaveAs(frmMain& w) {
    return saveWithDialog(w, PlaylistFormat::M3u);
}

bool SaveAsPls(frmMain& w) {
    return saveWithDialog(w, PlaylistFormat::Pls);
}

bool SaveEdits(frmMain& w) {
    return saveUnderCurrentName(w, PlaylistFormat::M3u);
}

bool SaveEditsPls(frmMain& w) {
    return saveUnderCurrentName(w, PlaylistFormat::Pls);
}
