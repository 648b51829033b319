#include "gui/mainwindow/frmMain.h"

#include "core/mp3/CurrentTag.h"
#include "core/mp3/GenreList.h"
#include "core/mp3/HeaderReport.h"
#include "core/mp3/MP3Hdr.h"
#include "core/mp3/SongTags.h"
#include "core/mp3/TagFromId3v2.h"
#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PathStyle.h"
#include "core/playlist/PlaylistModel.h"
#include "core/text/TextFiles.h"
#include "gui/mainwindow/FileList.h"
#include "gui/tags/frmID.h"

#include <QCoreApplication>
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

void openTagWindow(frmMain& w, bool readOnly, const QString& source = {}) {
    frmID window(&w);
    window.Form_Load();
    if (readOnly)
        window.cmdSave->setEnabled(false);
    window.lblSource->setText(source);
    window.lblSource->setVisible(!source.isEmpty());
    window.showModal();
}

// A tag being added starts from what the song's ID3v2 tag says, when it has one; the line under
// the genre says so. Nothing is written before the user saves.
QString prefillNewTag(const QString& path) {
    CurrentTag = TagRecord::blank();
    const std::optional<SongTags> tags = readSongTags(path);
    if (!tags || !tags->id3v2)
        return {};
    const QString genresFile =
        findGenresFile(shared().programFolder(), QStringLiteral(VELMORA_DATADIR));
    const QVector<Genre> genres =
        genresFile.isEmpty() ? QVector<Genre>() : readGenres(genresFile).value_or(QVector<Genre>());
    CurrentTag = tagFromId3v2(*tags->id3v2, genres);
    return QCoreApplication::translate("frmMain", "Filled in from the song's ID3v") +
           tags->id3v2->versionText() + QCoreApplication::translate("frmMain", " tag.");
}

// Shows the song's tag, or offers to add one. False when the user was stopped on the way (the
// caller then leaves the list's selection memory as it was).
bool editTag(frmMain& w, const QString& path) {
    Prompter& prompter = *shared().prompter;
    const bool hasTag = FillTag(path);
    TagFile = path;
    const bool busy = inUse(w, path);
    if (hasTag) {
        if (busy && !prompter.askYesNo(
                        QCoreApplication::translate(
                            "frmMain", "File may be in use by player. Can only view ID3. Proceed?"),
                        QCoreApplication::translate("frmMain", "Can't save ID3 changes right now."),
                        MsgAnswer::No))
            return false;
        openTagWindow(w, busy);
        return true;
    }
    if (!prompter.askYesNo(
            QCoreApplication::translate("frmMain", "No tag found. Do you wish to add one?"),
            QCoreApplication::translate("frmMain", "No tag."), MsgAnswer::No))
        return true;
    if (busy) {
        prompter.inform(QCoreApplication::translate(
                            "frmMain", "File may be in use by player. Can't add right now."),
                        QCoreApplication::translate("frmMain", "Sorry - file in use."),
                        MsgIcon::Information);
        return false;
    }
    const QString source = prefillNewTag(path);
    openTagWindow(w, false, source);
    return true;
}
} // namespace

void frmMain::ShowHeader() {
    const QString path = currentFileListSong();
    if (path.isEmpty())
        return;
    MP3Hdr header;
    const QString title = tr("File Header");
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
                                      tr(" is a stream address, not a file on this computer."),
                                  tr("Sorry"), MsgIcon::Information);
        return;
    }
    // A song that is not there has no tag to add: the user is told what its tooltip says.
    if (!FileExists(playlistSong(row))) {
        markMissingSongs();
        if (playlist->isMissing(row)) {
            shared().prompter->inform(
                playlist->data(playlist->index(row), Qt::ToolTipRole).toString(), tr("Sorry"),
                MsgIcon::Information);
            return;
        }
    }
    if (editTag(*this, playlistSong(row)))
        SavePkS();
}
