#include "playlist/PlaylistProcedures.h"

#include "app/AtomicFile.h"
#include "app/Settings.h"
#include "app/SharedState.h"
#include "app/TextFiles.h"
#include "mainwindow/DirList.h"
#include "mainwindow/frmMain.h"
#include "platform/Prompter.h"
#include "playlist/PlaylistDialog.h"
#include "playlist/PlaylistFormat.h"
#include "playlist/PlaylistModel.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
bool openPlaylist(frmMain& w, const QString& path, PlaylistFormat format) {
    return w.playlist->load(path, format);
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
bool savePlaylist(frmMain& w, const QString& path, PlaylistFormat format) {
    const PlaylistSave save = w.playlist->save(path, format, currentPathMode());
    if (save.unwritable >= 0)
        cannotSave(unwritableSong(fullPath(w.playlist->at(int(save.unwritable))), save.fault));
    else if (!save.written)
        cannotSave(u"Could not save %1:\n%2"_s.arg(path, save.reason));
    return save.written;
}

bool saveWithDialog(frmMain& w, PlaylistFormat format) {
    const QString current = w.lblName->text();
    w.dlgCD.fileName.clear();
    w.dlgCD.initialDir = current == kNewPlaylistName ? w.Dir1->Path() : FolderOnly(current);
    w.dlgCD.flags = kPlaylistSaveFlags;
    const QString path = shared().fileDialogs->getSaveFileName(w.dlgCD);
    if (path.isEmpty())
        return false;
    if (!savePlaylist(w, path, format))
        return false;
    w.lblName->setText(path);
    shared().prompter->inform(u"New playlist saved."_s, u"Notice"_s, MsgIcon::Information);
    return true;
}

bool saveUnderCurrentName(frmMain& w, PlaylistFormat format) {
    if (!savePlaylist(w, w.lblName->text(), format))
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
