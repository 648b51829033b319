#include "infowindows/HomePage.h"
#include "infowindows/frmAbout.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

using InfoWindows = WindowFixture;

TEST_F(InfoWindows, SystemInfoStartsTheToolOrSaysItIsUnavailable) {
    frmAbout about;
    prompter.expectMessage();
    about.cmdSysInfo->click(); // nothing in the registry
    registry.set(u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s,
                 {kRegSz, makeFolder(u"My Tools"_s).toLocal8Bit() + '\0'});
    prompter.expectMessage();
    about.cmdSysInfo->click(); // the folder without the tool
    const QString tool = writeFile(u"My Tools/MSINFO32.EXE"_s, "tool");
    about.cmdSysInfo->click();
    registry.set(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s, {kRegSz, "/bin/x\0"});
    shell.startResult = false; // PATH comes first, and names a program that will not start
    prompter.expectMessage();
    about.cmdSysInfo->click();
    EXPECT_EQ(shell.started, (std::vector<QStringList>{{tool}, {u"/bin/x"_s}}));
    EXPECT_EQ(
        prompter.described(),
        QStringList(3, u"[%1] System Information Is Unavailable At This Time (OK, no icon)"_s.arg(
                           QCoreApplication::applicationName())));
}

TEST_F(InfoWindows, TheAboutLinkOpensTheUserGuide) {
    EXPECT_EQ(homePage(tmp.path(), u"/usr/share/velmora"_s), u"/usr/share/velmora/guide.html");
    const QString guide = writeFile(u"guide.html"_s, "<html>"); // as in the build tree
    frmAbout about;
    EXPECT_EQ(about.lblURL->toolTip(), guide);
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5),
                      about.lblURL->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(about.lblURL, &click);
    EXPECT_EQ(shell.opens, (std::vector<QStringList>{{guide, u"0"_s}}));
}
