#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "support/ChildProcess.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>

using namespace Qt::StringLiterals;

// Whatever a collection's folders do, browsing goes on: no crash, no hang, no lost settings.
namespace {
class BrowsingFaults : public WindowFixture {};
} // namespace

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

TEST_F(BrowsingFaults, ASymbolicLinkLoopIsFollowedOnlyAsFarAsTheUserGoes) {
    const QString loop = makeFolder(u"loop"_s);
    ASSERT_TRUE(QFile::link(loop, loop + u"/again"_s) &&
                QFile::link(loop + u"/self"_s, loop + u"/self"_s));
    writeFile(u"loop/song.mp3"_s, "x");
    frmMain w;
    ASSERT_TRUE(w.Dir1->setPath(loop));
    int steps = 0; // round the loop until the system refuses, never in a hang
    while (steps < 100 && w.Dir1->setPath(w.Dir1->Path() + u"/again"_s))
        ++steps;
    EXPECT_GT(steps, 0);
    EXPECT_EQ(w.File1->count(), 1);
    EXPECT_FALSE(w.Dir1->setPath(loop + u"/self"_s)) << "a link that leads nowhere is no folder";
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

TEST_F(BrowsingFaults, AFolderOfFiftyThousandSongs) {
    const QString big = makeFolder(u"big"_s);
    for (int i = 0; i < 50'000; ++i)
        ASSERT_TRUE(
            QFile(big + u"/song%1.mp3"_s.arg(i, 5, 10, QChar(u'0'))).open(QIODevice::WriteOnly));
    frmMain w;
    ASSERT_TRUE(w.Dir1->setPath(big));
    w.File1->selectAll();
    w.SavePkF();
    EXPECT_TRUE(w.IsSel(u"F"_s, 49'999));
    w.cmdClearFile_Click();
    EXPECT_FALSE(w.IsSel(u"F"_s, 49'999));
    w.Timer1_Timer();
    EXPECT_EQ(w.lblCount->text(), u"50000 available");
}
