#include "core/info/HomePage.h"
#include "gui/info/frmAbout.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

using InfoWindows = WindowFixture;

TEST_F(InfoWindows, TheAboutBoxStartsSystemInformationAndLinksTheGuide) {
    EXPECT_EQ(homePage(tmp.path(), u"/usr/share/velmora"_s), u"/usr/share/velmora/guide.html");
    const QString guide = writeFile(u"guide.html"_s, "<html>"); // as in the build tree
    frmAbout about;
    // Which tool starts, or what is said when none does, is the engine's: here, the button.
    registry.set(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s,
                 {kRegSz, QByteArray("/my tools/info\0", 15)});
    about.cmdSysInfo->click();
    EXPECT_EQ(shell.started, std::vector<QStringList>{{u"/my tools/info"_s}});
    EXPECT_EQ(about.lblURL->toolTip(), guide);
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5),
                      about.lblURL->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(about.lblURL, &click);
    EXPECT_EQ(shell.opens, (std::vector<QStringList>{{guide, u"0"_s}}));
}
