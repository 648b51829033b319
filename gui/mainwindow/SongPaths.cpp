#include "core/playlist/PlaylistModel.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"

#include <QListWidget>

namespace {
// An entry without a folder names the song beside the playlist it was read from, for playing,
// editing and marking alike.
QString bareFolder(const frmMain& w) {
    return w.playlist->bareFolder();
}
} // namespace

QString frmMain::currentFileListSong() const {
    const QListWidgetItem* item = File1->currentItem();
    return item ? fullPath({item->text(), File1->Path()}) : QString();
}

QString frmMain::playlistSong(int row) const {
    if (row < 0 || row >= playlist->count())
        return {};
    return songPath(playlist->at(row), bareFolder(*this));
}

void frmMain::markMissingSongs(int fromRow) {
    playlist->checkFiles(bareFolder(*this), fromRow);
}
