#include "gui/mainwindow/DriveList.h"
#include "gui/mainwindow/FileList.h"
#include "support/ChildProcess.h"
#include "support/SongsWindowFixture.h"

#include <QDeadlineTimer>
#include <QLabel>
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
// Whatever a collection's folders do, browsing goes on: no crash, no hang, no lost settings.
using BrowsingFaults = WindowFixture;
} // namespace

TEST_F(Browsing, MemoryRecordsRestoresAndAnswersFalseOutsideItself) {
    EXPECT_FALSE(w->IsSel(u"S"_s, 0)) << "never recorded";
    fillPlaylist({u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s});
    select(*w->lstSelected, {1, 3});
    w->SavePkS();
    EXPECT_TRUE(w->IsSel(u"S"_s, 1));
    for (auto [list, row] : {std::pair{"S", 2}, {"S", 5}, {"S", -1}, {"s", 1}, {"F", 1}})
        EXPECT_FALSE(w->IsSel(QString::fromLatin1(list), row)) << list << row;
    select(*w->lstSelected, {4});
    w->SetPkS(); // selects the remembered entries and unselects nothing
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({1, 3, 4}));
    w->cmdClearSel_Click();
    EXPECT_TRUE(selectedRows(*w->lstSelected).isEmpty());
    EXPECT_FALSE(w->IsSel(u"S"_s, 1)) << "un-select all clears the memory too";
}

TEST_F(Browsing, TheFileListShowsTheMp3FilesInAnyCaseAndFollowsTheFolder) {
    showSongs({u"b.mp3"_s, u"A.MP3"_s, u"c.Mp3"_s, u"notes.txt"_s, u"d.mp3.txt"_s});
    makeFolder(u"Music/Folder.mp3"_s);
    EXPECT_EQ(fileNames(), QStringList({u"A.MP3"_s, u"b.mp3"_s, u"c.Mp3"_s}));
    // Songs come and go: those still there stay selected.
    select(*w->File1, {1, 2});
    ASSERT_TRUE(QFile::rename(music + u"/b.mp3"_s, music + u"/e.mp3"_s) &&
                QFile::remove(music + u"/A.MP3"_s));
    const QStringList now = {u"c.Mp3"_s, u"e.mp3"_s};
    for (QDeadlineTimer t(2000); fileNames() != now && !t.hasExpired(); QThread::msleep(10))
        QApplication::processEvents();
    EXPECT_EQ(fileNames(), now);
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0})) << "c still selected";
    EXPECT_EQ(w->lblCount->text(), u"2 available");
    EXPECT_TRUE(w->IsSel(u"F"_s, 0)) << "the memory recorded again";
    // Another folder: its songs, the memory recorded for it, the playlist as it was.
    w->playlist->append({{u"c.Mp3"_s, music}});
    EXPECT_EQ(w->lblSelected->text(), u"0 in playlist") << "only the timer writes the counters";
    w->Timer1_Timer();
    EXPECT_EQ(w->lblSelected->text(), u"1 in playlist");
    const QString rock = writeFile(u"Music/Rock/C.mp3"_s, "").section(u'/', 0, -2);
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

TEST_F(Browsing, TheDriveListNamesTheVolumeOfTheFolderShown) {
    if (DriveList::driveOf(u"/proc"_s) != u"/proc")
        GTEST_SKIP() << "no /proc volume here";
    ASSERT_TRUE(w->Dir1->setPath(u"/proc"_s));
    w->Drive1->refresh(); // as when it opens
    EXPECT_EQ(w->Drive1->Drive(), u"/proc") << "followed the folder list onto another volume";
}

TEST_F(BrowsingFaults, AFolderThatDisappearsWhileShown) {
    const QString gone = path(u"music/gone"_s);
    writeFile(u"music/gone/sub/a.mp3"_s, "x");
    writeFile(u"velmora.ini"_s, "[Options]\r\nLast=" + gone.toLocal8Bit() + "\r\n");
    {
        frmMain w;
        w.Form_Load();
        ASSERT_TRUE(QDir(gone).removeRecursively());
        EXPECT_FALSE(w.Dir1->setPath(gone + u"/sub"_s));
        EXPECT_EQ(w.Dir1->Path(), gone);
        w.File1->refresh();
        w.File1_DblClick(); // nothing to report on, nothing shown
        w.close();          // remembers the folder it showed, gone or not
    }
    frmMain again; // cannot reopen it and falls back to the program's folder
    again.Form_Load();
    EXPECT_EQ(again.Dir1->Path(), tmp.path());
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(BrowsingFaults, AFolderWithoutReadPermissionIsNotShown) {
    const QString locked = makeFolder(u"locked"_s), open = makeFolder(u"open"_s);
    const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                          QFileDevice::ReadOther | QFileDevice::ExeOther;
    for (const QString& folder : {tmp.path(), open})
        QFile::setPermissions(folder, everyone);
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    const int status = runAsOrdinaryUser([&] {
        frmMain w;
        const bool refused = w.Dir1->setPath(open) && !w.Dir1->setPath(locked);
        return refused && w.File1->Path() == open && prompter.shown().empty() ? 0 : 1;
    });
    QFile::setPermissions(locked, everyone);
    if (status == -1)
        GTEST_SKIP() << "could not run as an ordinary user";
    EXPECT_EQ(status, 0);
}
