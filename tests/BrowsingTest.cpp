#include "mainwindow/DirList.h"
#include "mainwindow/DriveList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistModel.h"
#include "support/SongsWindowFixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {
class Browsing : public SongsWindowFixture {
protected:
    QStringList fileNames() const {
        QStringList names;
        for (const QListWidgetItem* item : w->File1->findItems(u"*"_s, Qt::MatchWildcard))
            names << item->text();
        return names;
    }
};
} // namespace

TEST_F(Browsing, MemoryRecordsRestoresAndAnswersFalseOutsideItself) {
    EXPECT_FALSE(w->IsSel(u"S"_s, 0)) << "never recorded";
    for (int i = 0; i < 5; ++i)
        w->playlist->append({{QString::number(i) + u".mp3"_s, music}});
    select(*w->lstSelected, {1, 3});
    w->SavePkS();
    for (auto [list, row, selected] : {std::tuple{"S", 1, true},
                                       {"S", 2, false},
                                       {"S", 5, false},
                                       {"S", -1, false},
                                       {"s", 1, false},
                                       {"F", 1, false}})
        EXPECT_EQ(w->IsSel(QString::fromLatin1(list), row), selected) << list << row;
    select(*w->lstSelected, {4});
    w->SetPkS(); // selects the remembered entries and unselects nothing
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({1, 3, 4}));
    w->cmdClearSel_Click();
    EXPECT_TRUE(selectedRows(*w->lstSelected).isEmpty());
    EXPECT_FALSE(w->IsSel(u"S"_s, 1)) << "un-select all clears the memory too";
}

TEST_F(Browsing, AnotherFolderShowsItsMp3FilesInAnyCaseAndLeavesThePlaylist) {
    showSongs({u"b.mp3"_s, u"A.MP3"_s, u"c.Mp3"_s, u"notes.txt"_s, u"d.mp3.txt"_s});
    makeFolder(u"Music/Folder.mp3"_s);
    EXPECT_EQ(fileNames(), QStringList({u"A.MP3"_s, u"b.mp3"_s, u"c.Mp3"_s}));
    select(*w->File1, {0, 1});
    w->SavePkF();
    w->playlist->append({{u"A.MP3"_s, music}});
    const QString rock = makeFolder(u"Music/Rock"_s);
    writeFile(u"Music/Rock/C.mp3"_s, "");
    ASSERT_TRUE(w->Dir1->setPath(rock));
    EXPECT_EQ(fileNames(), QStringList({u"C.mp3"_s}));
    EXPECT_EQ(w->File1->Path(), QDir::toNativeSeparators(rock));
    EXPECT_FALSE(w->IsSel(u"F"_s, 0)) << "the memory was recorded for the new folder";
    EXPECT_EQ(w->lstSelected->count(), 1);
}

TEST_F(Browsing, AVolumeThatCannotBeReadKeepsTheFolderAndSaysSoEachTime) {
    showSongs({u"A.mp3"_s});
    const QString shown = w->Dir1->Path();
    w->Drive1->addItem(path(u"unplugged"_s)); // went away after the list was filled
    for (int attempt = 0; attempt < 2; ++attempt) {
        prompter.expectMessage();
        w->Drive1->setCurrentIndex(w->Drive1->count() - 1);
        EXPECT_EQ(describe(prompter.last()), u"[Oops] Error changing drives. (OK, information)");
        EXPECT_EQ(QStringList({w->Dir1->Path(), w->File1->Path()}), QStringList({shown, shown}));
    }
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    w->Drive1->addItem(root + u"."_s); // a readable volume, spelled another way
    w->Drive1->setCurrentIndex(w->Drive1->count() - 1);
    EXPECT_EQ(w->File1->Path(), root);
    EXPECT_EQ(prompter.shown().size(), 2u);
}

TEST_F(Browsing, TheFileListFollowsTheFolderKeepingTheSelectionOfSongsStillThere) {
    showSongs({u"B.mp3"_s, u"C.mp3"_s, u"E.mp3"_s});
    select(*w->File1, {1, 2});
    writeFile(u"Music/A.mp3"_s, "");
    ASSERT_TRUE(QFile::rename(music + u"/B.mp3"_s, music + u"/D.mp3"_s) &&
                QFile::remove(music + u"/E.mp3"_s));
    const QStringList now = {u"A.mp3"_s, u"C.mp3"_s, u"D.mp3"_s};
    for (QDeadlineTimer t(2000); fileNames() != now && !t.hasExpired(); QThread::msleep(10))
        QApplication::processEvents();
    EXPECT_EQ(fileNames(), now);
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({1})) << "C still selected";
    EXPECT_EQ(w->lblCount->text(), u"3 available");
    EXPECT_TRUE(w->IsSel(u"F"_s, 1)) << "the memory recorded again";
}

TEST_F(Browsing, TheDriveListNamesTheVolumeOfTheFolderShownAndNoSystemVolume) {
    if (DriveList::driveOf(u"/proc"_s) != u"/proc")
        GTEST_SKIP() << "no /proc volume here";
    ASSERT_TRUE(w->Dir1->setPath(u"/proc"_s));
    w->Drive1->refresh(); // as when it opens
    EXPECT_EQ(w->Drive1->Drive(), u"/proc") << "followed the folder list onto another volume";
    EXPECT_EQ(w->Drive1->findText(u"/sys"_s), -1);
}
