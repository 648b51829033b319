#include "support/SongsWindowFixture.h"

#include "mainwindow/DirList.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistModel.h"

#include <QApplication>
#include <algorithm>

using namespace Qt::StringLiterals;

void SongsWindowFixture::SetUp() {
    WindowFixture::SetUp();
    music = makeFolder(u"Music"_s);
    w = std::make_unique<frmMain>();
    w->show();
    QApplication::setActiveWindow(w.get());
}

void SongsWindowFixture::TearDown() {
    w.reset();
    WindowFixture::TearDown();
}

void SongsWindowFixture::showSongs(const QStringList& names) {
    for (const QString& name : names)
        writeFile(u"Music/"_s + name, "");
    w->Dir1->setPath(music);
}

QStringList SongsWindowFixture::playlist() const {
    QStringList texts;
    for (const Entry& entry : w->playlist->entries())
        texts << entry.text();
    return texts;
}

void SongsWindowFixture::fillPlaylist(const QStringList& names) {
    QVector<Entry> entries;
    for (const QString& name : names)
        entries << entryFromFolderAndName(music, name);
    w->playlist->append(entries);
}

QList<int> SongsWindowFixture::selectedRows(const QAbstractItemView& list) {
    QList<int> rows;
    for (const QModelIndex& index : list.selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SongsWindowFixture::select(QAbstractItemView& list, const QList<int>& rows) {
    list.clearSelection();
    for (int row : rows)
        list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
    if (!rows.isEmpty())
        list.selectionModel()->setCurrentIndex(list.model()->index(rows.first(), 0),
                                               QItemSelectionModel::NoUpdate);
}

void SongsWindowFixture::click(QAbstractItemView& list, int row) {
    list.selectionModel()->setCurrentIndex(list.model()->index(row, 0),
                                           QItemSelectionModel::ClearAndSelect);
}

QString SongsWindowFixture::entryOf(const QString& name) const {
    return entryFromFolderAndName(music, name).text();
}
