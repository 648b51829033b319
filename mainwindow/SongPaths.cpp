#include "mainwindow/FileList.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"

#include <QListWidget>

QString frmMain::currentFileListSong() const {
    const QListWidgetItem* item = File1->currentItem();
    return item ? fullPath({item->text(), File1->Path()}) : QString();
}

QString frmMain::playlistSong(int row) const {
    Entry entry = entryAt(*lstSelected, row);
    if (entry.folder.isEmpty())
        entry.folder = File1->Path();
    return fullPath(entry);
}
