#include "mainwindow/DirList.h"
#include "mainwindow/frmMain.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
class Startup : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QDir::setCurrent(makeFolder(u"current"_s));
        remembered = makeFolder(u"Music/Rock"_s);
    }
    void TearDown() override {
        QDir::setCurrent(previousCurrent);
        WindowFixture::TearDown();
    }
    QString start(const QByteArray& ini) {
        writeFile(u"velmora.ini"_s, ini);
        frmMain w;
        w.Form_Load();
        return w.Dir1->Path();
    }
    QString previousCurrent = QDir::currentPath(), remembered;
};
} // namespace

TEST_F(Startup, OpensTheRememberedFolderOrFallsBack) {
    const QByteArray last = "Last=" + remembered.toLocal8Bit() + "\r\n";
    EXPECT_EQ(start("[Options]\r\nStyle=1\r\n" + last), remembered);
    EXPECT_EQ(shared().style, 1);
    EXPECT_EQ(start("[Options]\r\nRemember=01\r\n" + last), path(u"current"_s));
    EXPECT_EQ(shared().style, 0);
    EXPECT_EQ(start(""), tmp.path()) << "no Last: the program's own folder";
    EXPECT_EQ(start("[Options]\r\nLast=" + path(u"gone"_s).toLocal8Bit() + "\r\n"), tmp.path());
}

TEST_F(Startup, ShutdownWritesTheShownFolderOnlyWhenRemembering) {
    const auto afterExit = [&](const QByteArray& ini) {
        writeFile(u"velmora.ini"_s, ini);
        {
            frmMain w;
            w.Form_Load();
            w.lstSelected->addItem(u"Unsaved.mp3 {/x}"_s);
            w.Dir1->setPath(remembered);
            w.mnuExit_Click(); // asks nothing, even with songs in the playlist
        }
        return readFile(iniPath());
    };
    const QByteArray keep = "; mine\r\n[Options]\r\nRemember=0\r\nLast=/old\r\n";
    EXPECT_EQ(afterExit(keep), keep);
    EXPECT_EQ(afterExit("[Options]\r\nRemember=1\r\n"),
              "[Options]\r\nRemember=1\r\nLast=" + remembered.toLocal8Bit() + "\r\n");
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(Startup, AnUnwritableSettingsFileDoesNotStopTheProgram) {
    shared().settingsPath = makeFolder(u"velmora.ini.d"_s); // the write fails, silently
    frmMain w;
    w.Form_Load();
    EXPECT_EQ(w.Dir1->Path(), tmp.path());
    w.close();
    EXPECT_TRUE(QFileInfo(shared().settingsPath).isDir());
}
