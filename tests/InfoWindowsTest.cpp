#include "infowindows/GetKeyValue.h"
#include "infowindows/HomePage.h"
#include "infowindows/ShellToBrowser.h"
#include "infowindows/StartSysInfo.h"
#include "infowindows/frmAbout.h"
#include "infowindows/frmHints.h"
#include "mainwindow/Twips.h"
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
class InfoWindows : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QCoreApplication::setApplicationName(u"Velmora"_s);
    }
    QStringList boxes() const {
        QStringList shown;
        for (const MessageBoxRequest& box : prompter.shown())
            shown << describe(box);
        return shown;
    }
};
const QString kUnavailable =
    u"[Velmora] System Information Is Unavailable At This Time (OK, no icon)"_s;

RegistryValue dword(quint32 n) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    return {kRegDword, bytes};
}
} // namespace

TEST_F(InfoWindows, GetKeyValueReadsStringsAndNumbers) {
    const struct {
        std::optional<RegistryValue> value;
        bool found;
        QString text;
    } rows[] = {
        {dword(500), true, u"500"_s},
        {dword(261), true, u"261"_s},
        {dword(0xFFFFFFFFu), true, u"4294967295"_s},
        {RegistryValue{kRegSz, QByteArray("C:\\Tools\\msinfo32.exe\0", 22)}, true,
         u"C:\\Tools\\msinfo32.exe"_s},
        {RegistryValue{kRegSz, "C:\\Tools\\msinfo32.exe"}, true, u"C:\\Tools\\msinfo32.exe"_s},
        {RegistryValue{kRegSz, {}}, true, u""_s},
        {RegistryValue{3, "\x01\x02"}, true, u"before"_s}, // unknown type: left alone
        {RegistryValue{kRegSz, QByteArray(1025, 'x')}, false, u""_s},
        {std::nullopt, false, u""_s}};
    for (const auto& row : rows) {
        const QString name = QString::number(&row - rows);
        if (row.value)
            registry.set(u"K"_s, name, *row.value);
        QString value = u"before"_s;
        EXPECT_EQ(GetKeyValue(kHKeyLocalMachine, u"K"_s, name, value), row.found)
            << name.toStdString();
        EXPECT_EQ(value, row.text);
    }
    EXPECT_EQ(registry.lastAccess, 0x2003Fu);
    EXPECT_EQ(registry.lastRoot, kHKeyLocalMachine);
}

TEST_F(InfoWindows, StartSysInfoStartsTheToolOrSaysItIsUnavailable) {
    prompter.expectMessage();
    StartSysInfo(); // nothing in the registry
    const QString folder = makeFolder(u"My Tools"_s);
    registry.set(u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s,
                 {kRegSz, folder.toLocal8Bit() + '\0'});
    prompter.expectMessage();
    StartSysInfo(); // the folder without the tool
    EXPECT_TRUE(shell.started.empty());
    const QString tool = writeFile(u"My Tools/MSINFO32.EXE"_s, "tool");
    StartSysInfo();
    registry.set(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s,
                 {kRegSz, "/usr/bin/hardinfo\0"});
    StartSysInfo(); // PATH comes first
    EXPECT_EQ(shell.started, (std::vector<QStringList>{{tool}, {u"/usr/bin/hardinfo"_s}}));
    shell.startResult = false;
    prompter.expectMessage();
    StartSysInfo();
    EXPECT_EQ(boxes(), QStringList({kUnavailable, kUnavailable, kUnavailable}));
}

TEST_F(InfoWindows, ShellToBrowserOpensThePageOrSaysWhyNot) {
    const QString url = u"/usr/share/velmora/guide.html"_s;
    for (int result : {kShellStarted, kShellNoAssociation, kShellFileNotFound, 32}) {
        shell.openResult = result;
        if (result <= 32)
            prompter.expectMessage();
        EXPECT_EQ(ShellToBrowser(url, 3), result > 32);
    }
    EXPECT_EQ(shell.opens.back().file, url);
    EXPECT_EQ(shell.opens.back().workingDir, tmp.path());
    EXPECT_EQ(shell.opens.back().showMode, 3);
    const QString box = u"[Browser Unavailable] Velmora %1 (OK, exclamation)"_s;
    EXPECT_EQ(boxes(),
              QStringList({box.arg(u"could not find a file association for "_s + url +
                                   u" on your system. You should check that your browser "
                                   u"is correctly installed and associated with .html files."_s),
                           box.arg(u"had a problem running your web browser. (Error2)"),
                           box.arg(u"had a problem running your web browser. (Error32)")}));
}

TEST_F(InfoWindows, TheAboutLinkOpensTheUserGuide) {
    EXPECT_EQ(homePage(tmp.path(), u"/usr/share/velmora"_s), u"/usr/share/velmora/guide.html");
    const QString guide = writeFile(u"guide.html"_s, "<html>");
    EXPECT_EQ(homePage(tmp.path(), u"/usr/share/velmora"_s), guide) << "the build tree's first";

    frmAbout about;
    EXPECT_EQ(about.lblURL->toolTip(), guide);
    EXPECT_EQ(clippedTexts(about), QStringList());
    about.show();
    const QPointF inside(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, inside, about.lblURL->mapToGlobal(inside),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, about.lblURL->mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(about.lblURL, &press);
    QApplication::sendEvent(about.lblURL, &release);
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].file, guide);
    EXPECT_EQ(shell.opens[0].showMode, 0);

    prompter.expectMessage();
    about.cmdSysInfo->click();
    EXPECT_EQ(boxes(), QStringList{kUnavailable});
    EXPECT_TRUE(about.isVisible());
}

TEST_F(InfoWindows, HintsFitAndOpenCentredOnTheScreenEveryTime) {
    frmMain w;
    std::vector<QPoint> positions;
    const auto recordMoveAndClose = [&] {
        auto* hints = qobject_cast<frmHints*>(QApplication::activeModalWidget());
        ASSERT_NE(hints, nullptr);
        EXPECT_EQ(clippedTexts(*hints), QStringList());
        positions.push_back(hints->frameGeometry().topLeft());
        hints->move(3, 4); // the user drags it away
        hints->close();
    };
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, &w, recordMoveAndClose);
        w.mnuHints_Click();
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint centred(screen.left() + (screen.width() - twipsToPixels(4680)) / 2,
                         screen.top() + (screen.height() - twipsToPixels(3810)) / 2);
    EXPECT_EQ(positions, std::vector<QPoint>(2, centred));
}
