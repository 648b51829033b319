#include "app/Settings.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Settings, EachKeyIsReadByOneRule) {
    struct Row {
        const char* ini;
        qint16 style;
        bool remember;
        PathMode mode;
        const char* last;
    };
    const Row rows[] = {
        {"", 0, true, PathMode::Decide, "1"},
        {"[Options]\nStyle=1\nRemember=0\nLast=/m\n[Paths]\nUsePaths=0", 1, false, PathMode::Never,
         "/m"},
        {"[Options]\nStyle=1.4\nRemember=1\n[Paths]\nUsePaths=1", 1, true, PathMode::Always, "1"},
        {"[Options]\nStyle=1.5\nRemember=01\n[Paths]\nUsePaths=7", 0, false, PathMode::Decide, "1"},
        {"[Options]\nStyle=1 pls\nRemember=yes\n[Paths]\nUsePaths=all", 1, false, PathMode::Never,
         "1"},
        {"[Options]\nStyle=pls\nRemember=2", 0, false, PathMode::Decide, "1"},
        {"[Options]\nStyle=65537\nRemember= 1 ", 0, true, PathMode::Decide, "1"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(u"velmora.ini"_s);
    IniFiler ini(path);
    const Settings settings(ini);
    for (const Row& row : rows) {
        writeBytes(path, row.ini);
        EXPECT_EQ(settings.style(), row.style) << row.ini;
        EXPECT_EQ(settings.remember(), row.remember) << row.ini;
        EXPECT_EQ(settings.pathMode(), row.mode) << row.ini;
        EXPECT_EQ(settings.lastFolder(), QString::fromLatin1(row.last)) << row.ini;
    }
}

TEST(Settings, OptionsAreSavedInTheirOrderAndTheLastFolderOnItsOwn) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"velmora.ini"_s);
    IniFiler ini(path);
    Settings settings(ini);
    settings.saveOptions(false, 1, PathMode::Always);
    settings.saveLastFolder(u"/music/a\nb"_s); // a folder that cannot be remembered
    settings.saveLastFolder(u"/music/rock"_s);
    EXPECT_EQ(
        readBytes(path),
        "[Options]\r\nRemember=0\r\nStyle=1\r\nLast=/music/rock\r\n[Paths]\r\nUsePaths=1\r\n");
}
