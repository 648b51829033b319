#include "core/playlist/PlaylistModel.h"
#include "gui/info/frmOptions.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/frmMain.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
class Options : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        shared().settings = std::make_unique<IniFiler>(iniPath());
    }
    // The box, the style chosen and the path mode chosen, as "1 0 2".
    static QString shown(const frmOptions& d) {
        QString text = d.chkGeneral[0]->isChecked() ? u"1"_s : u"0"_s;
        for (int i = 0; i < 2; ++i)
            text += d.optStyle[i]->isChecked() ? u" %1"_s.arg(i) : QString();
        for (int i = 0; i < 3; ++i)
            text += d.optUsePath[i]->isChecked() ? u" %1"_s.arg(i) : QString();
        return text;
    }
};

// Start-up reads the settings and shutdown stores the folder shown, wherever the program runs.
class Startup : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QDir::setCurrent(makeFolder(u"current"_s));
    }
    void TearDown() override {
        QDir::setCurrent(previousCurrent);
        WindowFixture::TearDown();
    }
    QString previousCurrent = QDir::currentPath();
};
} // namespace

TEST_F(Options, AClickMakesItAskAndOnlyYesWrites) {
    {
        frmOptions d;
        EXPECT_EQ(shown(d), u"1 0 2");
        d.close(); // without a click: nothing asked, nothing written
    }
    EXPECT_FALSE(QFile::exists(iniPath()));
    const QByteArray stored = "[Options]\r\nRemember=01\r\nStyle=1\r\n[Paths]\r\nUsePaths=0\r\n";
    writeFile(u"velmora.ini"_s, stored);
    for (const bool yes : {false, true}) {
        frmOptions d;
        d.show();
        EXPECT_EQ(shown(d), u"0 1 0") << "01 is not remembered, so it is not ticked either";
        d.optUsePath[yes ? 1 : 0]->click(); // No follows a click on the one already selected
        yes ? prompter.answerYes() : prompter.answerNo();
        d.reject(); // Escape closes as the close box does
        EXPECT_EQ(readBytes(iniPath()),
                  yes ? "[Options]\r\nRemember=0\r\nStyle=1\r\n[Paths]\r\nUsePaths=1\r\n" : stored);
    }
    EXPECT_EQ(describe(prompter.last()), u"[Confirm] Save options? (Yes/No, question)");
    EXPECT_EQ(shared().style, PlaylistFormat::Pls);
}

TEST_F(Startup, OpensTheRememberedFolderAndANamedPlaylistAndStoresTheShownFolderAtExit) {
    const QString rock = makeFolder(u"Music/Rock"_s), jazz = makeFolder(u"Music/Jazz"_s);
    const QByteArray last = "Last=" + rock.toLocal8Bit() + "\r\n";
    // The settings file, the folder shown at start, the file after showing jazz and closing.
    const std::tuple<QByteArray, QString, QByteArray> runs[] = {
        {"[Options]\r\nStyle=1\r\n" + last, rock,
         "[Options]\r\nStyle=1\r\nLast=" + jazz.toLocal8Bit() + "\r\n"},
        {"[Options]\r\nRemember=01\r\n" + last, path(u"current"_s), {}}};
    for (const auto& [ini, shown, after] : runs) {
        writeFile(u"velmora.ini"_s, ini);
        frmMain w;
        w.Form_Load();
        EXPECT_EQ(w.Dir1->Path(), shown);
        EXPECT_EQ(shared().style,
                  ini.contains("Style=1") ? PlaylistFormat::Pls : PlaylistFormat::M3u);
        w.playlist->append({{u"Unsaved.mp3"_s, u"/x"_s}});
        w.Dir1->setPath(jazz);
        prompter.answerNo(); // the unsaved songs are not saved; the window closes
        w.mnuExit_Click();
        EXPECT_EQ(readBytes(iniPath()), after.isNull() ? ini : after);
    }
    // A playlist named on the command line opens as what it is, with Open's message.
    const QString mix = writeFile(u"current/Mix.pls"_s, "[playlist]\r\nFile1=/m/A.mp3\r\n");
    frmMain w;
    w.Form_Load();
    w.openGivenPlaylist(u"Mix.pls"_s); // relative; read as PLS though the style is M3U
    prompter.expectMessage();
    w.openGivenPlaylist(u"gone.m3u"_s);
    EXPECT_EQ(w.playlist->entries(), QVector<Entry>({{u"A.mp3"_s, u"/m"_s}})) << "read, then kept";
    EXPECT_EQ(w.lblName->text(), mix);
    EXPECT_EQ(describe(prompter.last()),
              u"[Problem] Could not access this file. (OK, exclamation)");
}
