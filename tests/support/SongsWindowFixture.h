#pragma once

#include "support/WindowFixture.h"

#include <QStringList>
#include <memory>

class frmMain;
class QAbstractItemView;

// A main window, shown and active, browsing a folder "Music" of the temporary tree that holds
// the songs a test asks for (empty files: nothing here reads them).
class SongsWindowFixture : public WindowFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the songs in Music and shows that folder.
    void showSongs(const QStringList& names);
    // The texts of the playlist, top to bottom.
    QStringList playlist() const;
    // Appends the entries of songs in Music to the playlist.
    void fillPlaylist(const QStringList& names);
    static QList<int> selectedRows(const QAbstractItemView& list);
    // Selects exactly rows (the first becomes the current entry), as clicks with Ctrl would.
    static void select(QAbstractItemView& list, const QList<int>& rows);
    // What a plain click does to a list: the entry becomes current and the only one selected.
    static void click(QAbstractItemView& list, int row);
    // The entry text a song of Music gets.
    QString entryOf(const QString& name) const;

    QString music;
    std::unique_ptr<frmMain> w;
};
