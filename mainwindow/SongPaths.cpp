#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistModel.h"

#include <QListWidget>

QString frmMain::currentFileListSong() const {
    const QListWidgetItem* item = File1->currentItem();
    return item ? fullPath({item->text(), File1->Path()}) : QString();
}

QString frmMain::playlistSong(int row) const {
    if (row < 0 || row >= playlist->count())
        return {};
    Entry entry = playlist->at(row);
    if (entry.folder.isEmpty() && !entry.stream)
        entry.folder = File1->Path();
    return fullPath(entry);
}
