#include "gui/mainwindow/frmMain.h"

#include "core/mp3/CurrentTag.h"
#include "core/mp3/HeaderReport.h"
#include "core/mp3/MP3Hdr.h"
#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PathStyle.h"
#include "core/playlist/PlaylistModel.h"
#include "gui/mainwindow/FileList.h"
#include "gui/tags/frmID.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// The song last handed to the player may be held open by it: its tag is only shown. Case counts
// where the file system tells it: on Linux, A.MP3 and a.mp3 are two songs.
bool inUse(const frmMain& w, const QString& path) {
    const PathStyle style = PathStyle::native();
    return !w.songPlaying.isEmpty() && style.folded(path) == style.folded(w.songPlaying);
}

void openTagWindow(frmMain& w, bool readOnly) {
    frmID window(&w);
    window.Form_Load();
    if (readOnly)
        window.cmdSave->setEnabled(false);
    window.showModal();
}

// Shows the song's tag, or offers to add one. False when the user was stopped on the way (the
// caller then leaves the list's selection memory as it was).
bool editTag(frmMain& w, const QString& path) {
    Prompter& prompter = *shared().prompter;
    const bool hasTag = FillTag(path);
    TagFile = path;
    const bool busy = inUse(w, path);
    if (hasTag) {
        if (busy &&
            !prompter.askYesNo(u"File may be in use by player. Can only view ID3. Proceed?"_s,
                               u"Can't save ID3 changes right now."_s, MsgAnswer::No))
            return false;
        openTagWindow(w, busy);
        return true;
    }
    if (!prompter.askYesNo(u"No tag found. Do you wish to add one?"_s, u"No tag."_s, MsgAnswer::No))
        return true;
    if (busy) {
        prompter.inform(u"File may be in use by player. Can't add right now."_s,
                        u"Sorry - file in use."_s, MsgIcon::Information);
        return false;
    }
    CurrentTag = TagRecord::blank();
    openTagWindow(w, false);
    return true;
}
} // namespace

void frmMain::ShowHeader() {
    const QString path = currentFileListSong();
    if (path.isEmpty())
        return;
    MP3Hdr header;
    const QString title = u"File Header"_s;
    if (ReadHeader(path, header))
        shared().prompter->show({headerReport(header, QLocale()), title, MsgButtons::Ok,
                                 MsgIcon::Information, MsgAnswer::Ok, true});
    else if (header.HdrStatus == HeaderStatus::NoFrame)
        shared().prompter->inform(noFrameMessage(path), title, MsgIcon::Information);
}

void frmMain::File1_DblClick() {
    ShowHeader();
}

void frmMain::File1_RightButtonDown() {
    const QString path = currentFileListSong();
    if (File1->count() == 0 || File1->currentRow() < 0 || path.isEmpty())
        return;
    if (editTag(*this, path))
        SavePkF();
}

void frmMain::lstSelected_RightButtonDown() {
    const int row = lstSelected->currentRow();
    if (lstSelected->count() == 0 || row < 0)
        return;
    if (const Entry& entry = playlist->at(row); entry.stream) {
        shared().prompter->inform(entry.name +
                                      u" is a stream address, not a file on this computer."_s,
                                  u"Sorry"_s, MsgIcon::Information);
        return;
    }
    if (editTag(*this, playlistSong(row)))
        SavePkS();
}
