#pragma once

#include "core/playlist/PlaylistModel.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/frmMain.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QStringList>
#include <algorithm>
#include <memory>

// A main window, shown and active, browsing a folder "Music" of the temporary tree that holds
// the songs a test asks for (empty files: nothing here reads them).
class SongsWindowFixture : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        music = makeFolder(QStringLiteral("Music"));
        w = std::make_unique<frmMain>();
        w->show();
        QApplication::setActiveWindow(w.get());
    }
    void TearDown() override {
        w.reset();
        WindowFixture::TearDown();
    }

    void showSongs(const QStringList& names) {
        for (const QString& name : names)
            writeBytes(QDir(music).filePath(name), "");
        w->Dir1->setPath(music);
    }
    QStringList playlist() const {
        QStringList texts;
        for (const Entry& entry : w->playlist->entries())
            texts << entry.text();
        return texts;
    }
    void fillPlaylist(const QStringList& names) {
        for (const QString& name : names)
            w->playlist->append({entryFromFolderAndName(music, name)});
    }
    static QList<int> selectedRows(const QAbstractItemView& list) {
        QList<int> rows;
        for (const QModelIndex& index : list.selectionModel()->selectedRows())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // Selects exactly rows (the first becomes the current entry), as clicks with Ctrl would.
    static void select(QAbstractItemView& list, const QList<int>& rows) {
        list.clearSelection();
        for (int row : rows)
            list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
        if (!rows.isEmpty())
            list.selectionModel()->setCurrentIndex(list.model()->index(rows.first(), 0),
                                                   QItemSelectionModel::NoUpdate);
    }
    QString entryOf(const QString& name) const {
        return entryFromFolderAndName(music, name).text();
    }

    QString music;
    std::unique_ptr<frmMain> w;
};
