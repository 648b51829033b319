#include "mainwindow/DirList.h"
#include "mainwindow/DriveList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistModel.h"
#include "support/SongsWindowFixture.h"

#include <QDir>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
class Browsing : public SongsWindowFixture {
protected:
    QStringList fileNames() const {
        QStringList names;
        for (int i = 0; i < w->File1->count(); ++i)
            names << w->File1->item(i)->text();
        return names;
    }
    void fillPlaylist(int n) {
        for (int i = 0; i < n; ++i)
            w->playlist->append({{QString::number(i) + u".mp3"_s, music}});
    }
    QList<bool> memoryS(int n) const {
        QList<bool> flags;
        for (int i = 0; i < n; ++i)
            flags << w->IsSel(u"S"_s, i);
        return flags;
    }
};
} // namespace

TEST_F(Browsing, MemoryRecordsRestoresAndAnswersFalseOutsideItself) {
    EXPECT_FALSE(w->IsSel(u"S"_s, 0)) << "never recorded";
    EXPECT_FALSE(w->IsSel(u"F"_s, -1));
    w->SavePkS();
    EXPECT_FALSE(w->IsSel(u"S"_s, 0)) << "an empty list records one false flag";

    fillPlaylist(5);
    select(*w->lstSelected, {1, 3});
    w->SavePkS();
    EXPECT_EQ(memoryS(5), QList<bool>({false, true, false, true, false}));
    EXPECT_FALSE(w->IsSel(u"S"_s, 5));
    EXPECT_FALSE(w->IsSel(u"S"_s, -1)) << "no current entry";
    EXPECT_FALSE(w->IsSel(u"S"_s, qint64(1) << 40));
    EXPECT_FALSE(w->IsSel(u"s"_s, 1)) << "only \"S\" and \"F\" name a memory";
    EXPECT_FALSE(w->IsSel(u"F"_s, 1)) << "the file list's memory is its own";

    // Restoring selects the remembered entries and unselects nothing.
    select(*w->lstSelected, {4});
    w->SetPkS();
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({1, 3, 4}));
}

TEST_F(Browsing, FileListShowsMp3FilesInAnyCaseOnly) {
    makeFolder(u"Music/Folder.mp3"_s);
    showSongs({u"b.mp3"_s, u"A.MP3"_s, u"c.Mp3"_s, u"notes.txt"_s, u"d.mp3.txt"_s, u"mp3"_s});
    EXPECT_EQ(fileNames(), QStringList({u"A.MP3"_s, u"b.mp3"_s, u"c.Mp3"_s}));
    EXPECT_EQ(w->File1->Path(), w->Dir1->Path());
}

TEST_F(Browsing, ChangingFolderClearsTheFileSelectionAndLeavesThePlaylist) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s});
    const QString rock = makeFolder(u"Music/Rock"_s);
    writeFile(u"Music/Rock/C.mp3"_s, "");
    writeFile(u"Music/Rock/D.mp3"_s, "");
    writeFile(u"Music/Rock/E.mp3"_s, "");
    select(*w->File1, {0, 1});
    w->SavePkF();
    fillPlaylist(2);
    select(*w->lstSelected, {1});

    ASSERT_TRUE(w->Dir1->setPath(rock));

    EXPECT_EQ(fileNames(), QStringList({u"C.mp3"_s, u"D.mp3"_s, u"E.mp3"_s}));
    EXPECT_EQ(w->File1->Path(), QDir::toNativeSeparators(rock));
    EXPECT_TRUE(selectedRows(*w->File1).isEmpty());
    EXPECT_FALSE(w->IsSel(u"F"_s, 0)) << "the memory was recorded for the new folder";
    EXPECT_FALSE(w->IsSel(u"F"_s, 1));
    EXPECT_EQ(w->lstSelected->count(), 2);
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({1}));
}

TEST_F(Browsing, UnreadableVolumeRestoresTheFolderAndSaysSoOnceEachTime) {
    showSongs({u"A.mp3"_s});
    const QString shown = w->Dir1->Path();
    const QString drive = w->Drive1->Drive();
    // A volume that went away after the list was filled.
    w->Drive1->addItem(path(u"unplugged"_s));

    for (int attempt = 0; attempt < 2; ++attempt) {
        prompter.expectMessage();
        w->Drive1->setCurrentIndex(w->Drive1->count() - 1);
        ASSERT_EQ(prompter.shown().size(), std::size_t(attempt + 1)) << "attempt " << attempt;
        const MessageBoxRequest& box = prompter.last();
        EXPECT_EQ(box.text, u"Error changing drives.");
        EXPECT_EQ(box.title, u"Oops");
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.icon, MsgIcon::Information);
        EXPECT_EQ(w->Dir1->Path(), shown);
        EXPECT_EQ(w->File1->Path(), shown);
        EXPECT_EQ(w->Drive1->Drive(), drive);
        EXPECT_EQ(fileNames(), QStringList({u"A.mp3"_s}));
    }
}

TEST_F(Browsing, ChangingToAReadableDriveShowsItsRoot) {
    showSongs({});
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    w->Drive1->addItem(root + u"."_s); // the same volume, spelled another way
    w->Drive1->setCurrentIndex(w->Drive1->count() - 1);
    EXPECT_EQ(w->Dir1->Path(), root);
    EXPECT_EQ(w->File1->Path(), root);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(Browsing, UnselectAllClearsListAndMemoryAndDoesNothingOnAnEmptyList) {
    w->cmdClearFile_Click();
    w->cmdClearSel_Click();
    EXPECT_TRUE(prompter.shown().empty());

    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    select(*w->File1, {0, 2});
    w->SavePkF();
    fillPlaylist(3);
    select(*w->lstSelected, {1, 2});
    w->SavePkS();

    w->cmdClearFile_Click();
    EXPECT_TRUE(selectedRows(*w->File1).isEmpty());
    EXPECT_FALSE(w->IsSel(u"F"_s, 0));
    EXPECT_FALSE(w->IsSel(u"F"_s, 2));
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({1, 2})) << "the playlist is untouched";

    w->cmdClearSel_Click();
    EXPECT_TRUE(selectedRows(*w->lstSelected).isEmpty());
    EXPECT_EQ(memoryS(3), QList<bool>({false, false, false}));
}
