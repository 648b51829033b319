#include "infowindows/GetKeyValue.h"
#include "infowindows/HomePage.h"
#include "infowindows/ShellToBrowser.h"
#include "infowindows/StartSysInfo.h"
#include "infowindows/frmAbout.h"
#include "infowindows/frmHints.h"
#include "mainwindow/frmMain.h"
#include "platform/Registry.h"
#include "support/TextFits.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
const QString kMsinfo = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s;
const QString kLocation = u"SOFTWARE\\Microsoft\\Shared Tools Location"_s;

class InfoWindows : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        previousName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(u"Velmora"_s);
    }
    void TearDown() override {
        QCoreApplication::setApplicationName(previousName);
        WindowFixture::TearDown();
    }
    void expectUnavailable() {
        ASSERT_FALSE(prompter.shown().empty());
        const MessageBoxRequest& box = prompter.last();
        EXPECT_EQ(box.text, u"System Information Is Unavailable At This Time");
        EXPECT_EQ(box.title, u"Velmora");
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.icon, MsgIcon::None);
    }
    QString previousName;
};

RegistryValue dword(quint32 n) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    return {kRegDword, bytes};
}
} // namespace

TEST_F(InfoWindows, GetKeyValueReadsStringsAndNumbers) {
    registry.set(u"K"_s, u"Five hundred"_s, dword(500));
    registry.set(u"K"_s, u"Two sixty-one"_s, dword(261));
    registry.set(u"K"_s, u"Largest"_s, dword(0xFFFFFFFFu));
    registry.set(u"K"_s, u"Terminated"_s, {kRegSz, QByteArray("C:\\Tools\\msinfo32.exe\0", 22)});
    registry.set(u"K"_s, u"Unterminated"_s, {kRegSz, "C:\\Tools\\msinfo32.exe"});
    registry.set(u"K"_s, u"Empty"_s, {kRegSz, {}});
    registry.set(u"K"_s, u"Binary"_s, {3, "\x01\x02"});
    registry.set(u"K"_s, u"Huge"_s, {kRegSz, QByteArray(1025, 'x')});

    QString value = u"before"_s;
    EXPECT_TRUE(GetKeyValue(kHKeyLocalMachine, u"K"_s, u"Five hundred"_s, value));
    EXPECT_EQ(value, u"500");
    EXPECT_EQ(registry.lastAccess, 0x2003Fu);
    EXPECT_EQ(registry.lastRoot, kHKeyLocalMachine);
    EXPECT_TRUE(GetKeyValue(kHKeyLocalMachine, u"K"_s, u"Two sixty-one"_s, value));
    EXPECT_EQ(value, u"261");
    EXPECT_TRUE(GetKeyValue(kHKeyLocalMachine, u"K"_s, u"Largest"_s, value));
    EXPECT_EQ(value, u"4294967295");
    EXPECT_TRUE(GetKeyValue(kHKeyLocalMachine, u"K"_s, u"Terminated"_s, value));
    EXPECT_EQ(value, u"C:\\Tools\\msinfo32.exe");
    value.clear();
    EXPECT_TRUE(GetKeyValue(kHKeyLocalMachine, u"K"_s, u"Unterminated"_s, value));
    EXPECT_EQ(value, u"C:\\Tools\\msinfo32.exe");
    EXPECT_TRUE(GetKeyValue(kHKeyLocalMachine, u"K"_s, u"Empty"_s, value));
    EXPECT_EQ(value, u"");

    value = u"before"_s;
    EXPECT_TRUE(GetKeyValue(kHKeyLocalMachine, u"K"_s, u"Binary"_s, value));
    EXPECT_EQ(value, u"before") << "an unknown type leaves the text alone";
    EXPECT_FALSE(GetKeyValue(kHKeyLocalMachine, u"K"_s, u"Missing"_s, value));
    EXPECT_EQ(value, u"") << "a failure empties it";
    value = u"before"_s;
    EXPECT_FALSE(GetKeyValue(kHKeyLocalMachine, u"K"_s, u"Huge"_s, value));
    EXPECT_EQ(value, u"");
}

TEST_F(InfoWindows, StartSysInfoStartsTheToolOrSaysItIsUnavailable) {
    // Nothing in the registry.
    prompter.expectMessage();
    StartSysInfo();
    expectUnavailable();
    EXPECT_TRUE(shell.commandLines.isEmpty());

    // The tool's folder, without the tool in it.
    const QString folder = makeFolder(u"My Tools"_s);
    registry.set(kLocation, u"MSINFO"_s, {kRegSz, folder.toLocal8Bit() + '\0'});
    prompter.expectMessage();
    StartSysInfo();
    expectUnavailable();
    EXPECT_TRUE(shell.commandLines.isEmpty());

    // The tool in its folder; a blank in the path keeps it one word.
    const QString tool = writeFile(u"My Tools/MSINFO32.EXE"_s, "tool");
    StartSysInfo();
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0], QStringList{tool});

    // PATH comes first.
    registry.set(kMsinfo, u"PATH"_s, {kRegSz, "/usr/bin/hardinfo\0"});
    StartSysInfo();
    ASSERT_EQ(shell.started.size(), 2u);
    EXPECT_EQ(shell.started[1], QStringList{u"/usr/bin/hardinfo"_s});

    // A PATH naming a program that will not start.
    shell.startResult = false;
    prompter.expectMessage();
    StartSysInfo();
    expectUnavailable();
    EXPECT_EQ(prompter.shown().size(), 3u);
}

TEST_F(InfoWindows, ShellToBrowserOpensThePageOrSaysWhyNot) {
    const QString url = u"https://velmora.example.org/help"_s;
    EXPECT_TRUE(ShellToBrowser(url, 0));
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].file, url);
    EXPECT_EQ(shell.opens[0].parameters, u"");
    EXPECT_EQ(shell.opens[0].workingDir, tmp.path());
    EXPECT_EQ(shell.opens[0].showMode, 0);

    shell.openResult = kShellNoAssociation;
    prompter.expectMessage();
    EXPECT_FALSE(ShellToBrowser(url, 3));
    EXPECT_EQ(shell.opens.back().showMode, 3);
    EXPECT_EQ(prompter.last().text,
              u"Velmora could not find a file association for https://velmora.example.org/help "
              u"on your system. You should check that your browser is correctly installed and "
              u"associated with .html files.");

    shell.openResult = kShellFileNotFound;
    prompter.expectMessage();
    EXPECT_FALSE(ShellToBrowser(url, 0));
    EXPECT_EQ(prompter.last().text, u"Velmora had a problem running your web browser. (Error2)");

    shell.openResult = 32;
    prompter.expectMessage();
    EXPECT_FALSE(ShellToBrowser(url, 0));
    EXPECT_EQ(prompter.last().text, u"Velmora had a problem running your web browser. (Error32)");
    for (const MessageBoxRequest& box : prompter.shown()) {
        EXPECT_EQ(box.title, u"Browser Unavailable");
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    }
}

TEST_F(InfoWindows, AboutShowsItsTextsAndActs) {
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), u"About ...");
    EXPECT_EQ(about.lblTitle->text(), u"Velmora");
    EXPECT_TRUE(about.lblTitle->font().bold());
    EXPECT_EQ(about.lblVer->text(), u"Version 1.7- np (no built-in player- uses default player)");
    EXPECT_EQ(about.lblDescription->text(), u"Creates and maintains playlists of MP3 files for use "
                                            u"in players such as WinAmp, Media Player, etc.");
    EXPECT_EQ(about.cmdOK->text(), u"OK");
    EXPECT_EQ(about.cmdSysInfo->text(), u"&System Info...");
    EXPECT_EQ(about.Label3[2]->text(), u"Visit at");
    EXPECT_EQ(about.Label3[3]->text(), u"for details.");
    EXPECT_EQ(about.lblURL->text(), kHomePage);
    EXPECT_EQ(about.lblURL->font(), about.Label3[2]->font()) << "the address in the window's font";
    EXPECT_EQ(about.lblURL->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_FALSE(about.picIcon->pixmap().isNull());
    EXPECT_EQ(clippedTexts(about), QStringList());

    // A click on the address opens the home page.
    about.show();
    const QPointF inside(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, inside, about.lblURL->mapToGlobal(inside),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, about.lblURL->mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(about.lblURL, &press);
    QApplication::sendEvent(about.lblURL, &release);
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].file, kHomePage);
    EXPECT_EQ(shell.opens[0].showMode, 0);

    // System Info without a tool: the message, and the window stays.
    prompter.expectMessage();
    about.cmdSysInfo->click();
    expectUnavailable();
    EXPECT_TRUE(about.isVisible());

    about.cmdOK->click();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(InfoWindows, HintsShowTheNumberedHintsAndTheContactLine) {
    frmHints hints;
    EXPECT_EQ(hints.windowTitle(), u"Hints for Using Velmora");
    EXPECT_FALSE(hints.windowIcon().isNull());
    EXPECT_EQ(hints.Label1[0]->text(),
              u"1. Use the Tools | Options menu choice to set m3u or pls style.");
    EXPECT_EQ(hints.Label1[3]->text(),
              u"4. Playlists must be saved before using 'Click notes to play...'");
    // Hint 8 runs over two labels, the second indented.
    EXPECT_EQ(hints.Label1[7]->text(),
              u"8. To remove from playlist, drop on trash button - or highlight");
    EXPECT_EQ(hints.Label1[8]->text(), u"songs to be removed and click the trash button.");
    EXPECT_GT(hints.Label1[8]->x(), hints.Label1[7]->x());
    EXPECT_EQ(hints.Label1[9]->text(),
              u"9. Double-click songs in center listing to see header info.");
    EXPECT_TRUE(hints.Label1[10]->text().contains(kContactAddress));
    EXPECT_EQ(clippedTexts(hints), QStringList()) << "every line fits its label";
}

TEST_F(InfoWindows, HintsOpenCentredOnTheScreenEveryTime) {
    frmMain w;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    std::vector<QPoint> positions;
    QSize size;
    const auto recordMoveAndClose = [&] {
        auto* hints = qobject_cast<frmHints*>(QApplication::activeModalWidget());
        ASSERT_NE(hints, nullptr);
        positions.push_back(hints->frameGeometry().topLeft());
        size = hints->size();
        hints->move(3, 4); // the user drags it away
        hints->close();
    };
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, &w, recordMoveAndClose);
        w.mnuHints_Click();
    }
    ASSERT_EQ(positions.size(), 2u);
    const QPoint centred(screen.left() + (screen.width() - size.width()) / 2,
                         screen.top() + (screen.height() - size.height()) / 2);
    EXPECT_EQ(positions[0], centred);
    EXPECT_EQ(positions[1], centred);
}

TEST_F(InfoWindows, AboutOpensModallyFromTheMenu) {
    frmMain w;
    bool seen = false;
    QTimer::singleShot(0, &w, [&] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        seen = true;
        about->cmdOK->click();
    });
    w.mnuAbout_Click();
    EXPECT_TRUE(seen);
}
