#include "infowindows/GetKeyValue.h"
#include "infowindows/HomePage.h"
#include "infowindows/frmAbout.h"
#include "platform/Registry.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

class InfoWindows : public WindowFixture {};

TEST_F(InfoWindows, GetKeyValueReadsStringsAndNumbers) {
    using Row = std::tuple<std::optional<RegistryValue>, bool, QString>;
    const Row rows[] = {{RegistryValue{kRegDword, QByteArray::fromHex("f4010000")}, true, u"500"_s},
                        {RegistryValue{kRegDword, QByteArray::fromHex("05010000")}, true, u"261"_s},
                        {RegistryValue{kRegSz, QByteArray("C:\\a b\0", 7)}, true, u"C:\\a b"_s},
                        {RegistryValue{3, "\x01\x02"}, true, u"before"_s}, // type unknown
                        {RegistryValue{kRegSz, QByteArray(1025, 'x')}, false, u""_s},
                        {std::nullopt, false, u""_s}};
    for (const auto& [stored, found, text] : rows) {
        const QString name = QString::number(registry.values.size());
        if (stored)
            registry.set(u"K"_s, name, *stored);
        QString value = u"before"_s;
        EXPECT_EQ(GetKeyValue(kHKeyLocalMachine, u"K"_s, name, value), found) << name.toStdString();
        EXPECT_EQ(value, text) << name.toStdString();
    }
}

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
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].file, guide);
    EXPECT_EQ(shell.opens[0].showMode, 0);
}
