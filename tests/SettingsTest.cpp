#include "app/Settings.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Settings, EachKeyIsReadByOneRule) {
    // The file, then what is read: style, remember, path mode, last folder.
    const std::pair<const char*, const char*> rows[] = {
        {"", "0 1 2 1"},
        {"[Options]\nStyle=1\nRemember=0\nLast=/m\n[Paths]\nUsePaths=0", "1 0 0 /m"},
        {"[Options]\nStyle=1.4\nRemember= 1 \n[Paths]\nUsePaths=1", "1 1 1 1"},
        {"[Options]\nStyle=1.5\nRemember=01\n[Paths]\nUsePaths=7", "0 0 2 1"},
        {"[Options]\nStyle=1 pls\nRemember=yes\n[Paths]\nUsePaths=all", "1 0 0 1"},
    };
    QTemporaryDir dir;
    IniFiler ini(dir.filePath(u"velmora.ini"_s));
    const Settings settings(ini);
    for (const auto& [file, read] : rows) {
        writeBytes(dir.filePath(u"velmora.ini"_s), file);
        EXPECT_EQ(u"%1 %2 %3 %4"_s.arg(settings.style())
                      .arg(int(settings.remember()))
                      .arg(int(settings.pathMode()))
                      .arg(settings.lastFolder()),
                  QString::fromLatin1(read))
            << file;
    }
}

TEST(Settings, OptionsAreSavedInTheirOrderAndTheLastFolderOnItsOwn) {
    QTemporaryDir dir;
    IniFiler ini(dir.filePath(u"velmora.ini"_s));
    Settings settings(ini);
    settings.saveOptions(false, 1, PathMode::Always);
    settings.saveLastFolder(u"/music/a\nb"_s); // a folder that cannot be remembered
    settings.saveLastFolder(u"/music/rock"_s);
    EXPECT_EQ(
        readBytes(dir.filePath(u"velmora.ini"_s)),
        "[Options]\r\nRemember=0\r\nStyle=1\r\nLast=/music/rock\r\n[Paths]\r\nUsePaths=1\r\n");
}
