#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "support/OrdinaryUser.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Whatever a collection's folders do, browsing goes on: no crash, no hang, no lost settings.
namespace {
class BrowsingFaults : public WindowFixture {};
} // namespace

TEST_F(BrowsingFaults, AFolderThatDisappearsWhileShown) {
    const QString shown = makeFolder(u"music/gone/sub"_s);
    writeFile(u"music/gone/a.mp3"_s, "x");
    writeFile(u"velmora.ini"_s,
              "[Options]\r\nLast=" + path(u"music/gone"_s).toLocal8Bit() + "\r\n");
    {
        frmMain w;
        w.Form_Load();
        ASSERT_EQ(w.File1->count(), 1);
        ASSERT_TRUE(QDir(path(u"music/gone"_s)).removeRecursively());

        EXPECT_FALSE(w.Dir1->setPath(shown)) << "its subfolder is gone too";
        EXPECT_EQ(w.Dir1->Path(), path(u"music/gone"_s));
        w.File1->refresh();
        EXPECT_EQ(w.File1->count(), 0);
        w.Timer1_Timer();
        EXPECT_EQ(w.lblCount->text(), u"0 available");
        w.File1_DblClick(); // nothing to report on, nothing shown
        w.close();          // remembers the folder it showed, gone or not
    }
    // The next start cannot reopen it and falls back to the program's folder.
    frmMain again;
    again.Form_Load();
    EXPECT_EQ(again.Dir1->Path(), tmp.path());
    EXPECT_TRUE(again.Dir1->setPath(path(u"music"_s))) << "its parent can still be chosen";
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(BrowsingFaults, ASymbolicLinkLoopIsFollowedOnlyAsFarAsTheUserGoes) {
    const QString loop = makeFolder(u"loop"_s);
    ASSERT_TRUE(QFile::link(loop, loop + u"/again"_s));
    ASSERT_TRUE(QFile::link(loop + u"/self"_s, loop + u"/self"_s)) << "a link to itself";
    writeFile(u"loop/song.mp3"_s, "x");
    frmMain w;
    ASSERT_TRUE(w.Dir1->setPath(loop));
    QStringList shown;
    for (int i = 0; i < w.Dir1->count(); ++i)
        shown << w.Dir1->item(i)->text().trimmed();
    EXPECT_TRUE(shown.contains(u"again"_s));
    EXPECT_FALSE(shown.contains(u"self"_s)) << "a link that leads nowhere is no folder";
    // Going round the loop many times ends when the system refuses, never in a hang.
    QString folder = loop;
    int steps = 0;
    while (steps < 100 && w.Dir1->setPath(folder + u"/again"_s)) {
        folder = w.Dir1->Path();
        ++steps;
    }
    EXPECT_GT(steps, 0);
    EXPECT_EQ(w.File1->count(), 1);
}

TEST_F(BrowsingFaults, AFolderWithoutReadPermissionIsNotShown) {
    const QString locked = makeFolder(u"locked"_s);
    writeFile(u"locked/a.mp3"_s, "x");
    const QString open = makeFolder(u"open"_s);
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    QFile::setPermissions(open, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                    QFileDevice::ExeOther);
    const int status = runAsOrdinaryUser([&] {
        frmMain w;
        if (!w.Dir1->setPath(open))
            return 1;
        if (w.Dir1->setPath(locked))
            return 2; // an unreadable folder must not be shown as if empty
        if (w.Dir1->Path() != open || w.File1->Path() != open)
            return 3;
        return prompter.shown().empty() ? 0 : 4;
    });
    if (status == -1)
        GTEST_SKIP() << "could not run as an ordinary user";
    EXPECT_EQ(status, 0);
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(BrowsingFaults, AFolderOfFiftyThousandSongs) {
    const QString big = makeFolder(u"big"_s);
    for (int i = 0; i < 50'000; ++i) {
        QFile f(big + u"/song%1.mp3"_s.arg(i, 5, 10, QChar(u'0')));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    writeFile(u"big/notes.txt"_s, "not a song");
    frmMain w;
    ASSERT_TRUE(w.Dir1->setPath(big));
    EXPECT_EQ(w.File1->count(), 50'000);
    EXPECT_EQ(w.File1->item(0)->text(), u"song00000.mp3");
    w.File1->selectAll();
    w.SavePkF();
    EXPECT_TRUE(w.IsSel(u"F"_s, 49'999));
    w.cmdClearFile_Click();
    EXPECT_FALSE(w.IsSel(u"F"_s, 49'999));
    w.Timer1_Timer();
    EXPECT_EQ(w.lblCount->text(), u"50000 available");
}
