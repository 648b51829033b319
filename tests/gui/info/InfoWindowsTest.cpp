#include "core/info/HomePage.h"
#include "gui/info/frmAbout.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

using InfoWindows = WindowFixture;

TEST_F(InfoWindows, TheAboutBoxStartsSystemInformationOrSaysItIsUnavailableAndLinksTheGuide) {
    EXPECT_EQ(homePage(tmp.path(), u"/usr/share/velmora"_s), u"/usr/share/velmora/guide.html");
    const QString guide = writeFile(u"guide.html"_s, "<html>"); // as in the build tree
    frmAbout about;
    prompter.expectMessage();
    about.cmdSysInfo->click();                // no tool known
    const QString tool = u"/my tools/info"_s; // a path, its blank part of it
    registry.set(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s,
                 {kRegSz, tool.toLocal8Bit() + '\0'});
    about.cmdSysInfo->click();
    shell.startResult = false; // a tool that will not start
    prompter.expectMessage();
    about.cmdSysInfo->click();
    EXPECT_EQ(shell.started, std::vector<QStringList>(2, {tool}));
    EXPECT_EQ(
        prompter.described(),
        QStringList(2, u"[%1] System Information Is Unavailable At This Time (OK, no icon)"_s.arg(
                           QCoreApplication::applicationName())));
    EXPECT_EQ(about.lblURL->toolTip(), guide);
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5),
                      about.lblURL->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(about.lblURL, &click);
    EXPECT_EQ(shell.opens, (std::vector<QStringList>{{guide, u"0"_s}}));
}
