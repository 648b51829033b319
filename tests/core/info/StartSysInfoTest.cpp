#include "core/info/StartSysInfo.h"
#include "core/platform/SharedState.h"
#include "support/FileBytes.h"
#include "support/fakes/FakePrompter.h"
#include "support/fakes/FakeRegistry.h"
#include "support/fakes/FakeShell.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

TEST(StartSysInfo, StartsTheToolTheRegistryNamesOrSaysItIsUnavailable) {
    FakeRegistry registry;
    FakeShell shell;
    FakePrompter prompter;
    shared().registry = &registry;
    shared().shell = &shell;
    shared().prompter = &prompter;
    const QTemporaryDir tools;
    const auto start = [&](const QString& key, const QString& name, const QString& value) {
        registry.set(key, name, {kRegSz, value.toLocal8Bit() + '\0'});
        StartSysInfo();
    };
    prompter.expectMessage();
    start(u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s, tools.path());
    const QString tool = writeBytes(tools.filePath(u"MSINFO32.EXE"_s), "x");
    start(u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s, tools.path());
    start(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s, u"/my tools/info"_s);
    shell.startResult = false; // a tool that will not start
    prompter.expectMessage();
    StartSysInfo();
    EXPECT_EQ(shell.started,
              (std::vector<QStringList>{{tool}, {u"/my tools/info"_s}, {u"/my tools/info"_s}}));
    EXPECT_EQ(
        prompter.described(),
        QStringList(2, u"[%1] System Information Is Unavailable At This Time (OK, no icon)"_s.arg(
                           QCoreApplication::applicationName())));
    shared().registry = nullptr;
    shared().shell = nullptr;
    shared().prompter = nullptr;
}
