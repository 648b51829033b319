#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistModel.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
class Startup : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        previousCurrent = QDir::currentPath();
        current = makeFolder(u"current"_s);
        QDir::setCurrent(current);
        remembered = makeFolder(u"Music/Rock"_s);
        writeFile(u"Music/Rock/Song.mp3"_s, "x");
    }
    void TearDown() override {
        QDir::setCurrent(previousCurrent);
        WindowFixture::TearDown();
    }
    QString start(const QByteArray& ini) {
        writeFile(u"velmora.ini"_s, ini);
        frmMain w;
        w.Form_Load();
        style = shared().style;
        return w.Dir1->Path();
    }
    QString previousCurrent, current, remembered;
    qint16 style = -1;
};
} // namespace

TEST_F(Startup, RemembersTheLastFolderOnlyWhenAskedExactly) {
    const QByteArray last = "Last=" + remembered.toLocal8Bit() + "\r\n";
    EXPECT_EQ(start("[Options]\r\nRemember=1\r\n" + last), remembered);
    EXPECT_EQ(start("[Options]\r\n" + last), remembered) << "Remember defaults to 1";
    EXPECT_EQ(start("[Options]\r\nRemember=0\r\n" + last), current);
    EXPECT_EQ(start("[Options]\r\nRemember=01\r\n" + last), current) << "the test is exact text";
    EXPECT_EQ(start("[Options]\r\nRemember=yes\r\n" + last), current);
}

TEST_F(Startup, FallsBackToTheProgramsFolder) {
    EXPECT_EQ(start(""), tmp.path()) << "a missing Last reads as \"1\", which is no folder";
    EXPECT_EQ(start("[Options]\r\nLast=" + path(u"gone"_s).toLocal8Bit() + "\r\n"), tmp.path());
}

TEST_F(Startup, StyleIsTheRoundedLeadingNumber) {
    const std::pair<const char*, qint16> cases[] = {{"1", 1},   {"0", 0},     {"", 0},
                                                    {"abc", 0}, {"1.5", 2},   {"2.5", 2},
                                                    {"0.5", 0}, {"1 pls", 1}, {"99999", 0}};
    for (auto [text, expected] : cases) {
        start(QByteArray("[Options]\r\nStyle=") + text + "\r\n");
        EXPECT_EQ(style, expected) << "Style=" << text;
    }
    start("");
    EXPECT_EQ(style, 0);
}

TEST_F(Startup, ShutdownWritesTheShownFolderOnlyWhenRemembering) {
    const QByteArray keep = "; mine\r\n[Options]\r\nRemember=0\r\nLast=/old\r\n";
    writeFile(u"velmora.ini"_s, keep);
    {
        frmMain w;
        w.Form_Load();
        w.Dir1->setPath(remembered);
        w.close(); // asks nothing, even with songs in the playlist
    }
    EXPECT_EQ(readFile(iniPath()), keep);

    writeFile(u"velmora.ini"_s, "[Options]\r\nRemember=1\r\n");
    {
        frmMain w;
        w.Form_Load();
        w.playlist->append({entryFromText(u"Unsaved.mp3 {/x}"_s)});
        w.Dir1->setPath(remembered);
        w.mnuExit_Click();
    }
    EXPECT_EQ(readFile(iniPath()),
              "[Options]\r\nRemember=1\r\nLast=" + remembered.toLocal8Bit() + "\r\n");
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(Startup, AnUnwritableSettingsFileDoesNotStopTheProgram) {
    // The settings path is a folder: the write fails, nothing is reported, the program goes on.
    shared().settingsPath = makeFolder(u"velmora.ini.d"_s);
    frmMain w;
    w.Form_Load();
    EXPECT_EQ(w.Dir1->Path(), tmp.path());
    w.close();
    EXPECT_TRUE(QFileInfo(shared().settingsPath).isDir());
    EXPECT_TRUE(prompter.shown().empty());
}
