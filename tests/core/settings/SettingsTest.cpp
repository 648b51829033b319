#include "core/settings/Settings.h"
#include "support/ChildProcess.h"
#include "support/FileBytes.h"

using namespace Qt::StringLiterals;

namespace {
struct Ini : TempFolder {
    QString get(const QString& key, const QString& def = {},
                const QString& section = u"Options"_s) {
        ini.Section(section);
        ini.Setting(key);
        if (!def.isNull())
            ini.Default(def);
        ini.GetFromIni();
        return ini.Value();
    }
    QString put(const QString& key, const QString& value, const QString& section = u"Options"_s) {
        ini.Section(section);
        ini.Setting(key);
        ini.Value(value);
        ini.WriToIni();
        return ini.ResCode();
    }
    const QString iniFile = path(u"velmora.ini"_s);
    IniFiler ini{iniFile};
};
} // namespace

TEST_F(Ini, ReadsDefaultsTrimmedValuesAndNamesInAnyCaseAndWritesOnlyWholeLines) {
    EXPECT_EQ(get(u"Remember"_s, u"1"_s), u"1") << "no file";
    writeBytes(iniFile, "[Options]\r\nStyle=1\r\nLast =  /music/rock  \r\n");
    EXPECT_EQ(get(u"STYLE"_s, u"0"_s, u" options "_s), u"1");
    EXPECT_EQ(get(u"Last"_s), u"/music/rock");
    EXPECT_EQ(get(u"Style"_s, u" "_s), u"/music/rock") << "no default: nothing is read";
    put(u"Last"_s, QString(300, u'a'));
    EXPECT_EQ(get(u"Last"_s), QString(300, u'a')) << "long values come back whole";
    EXPECT_EQ(IniFiler::iniPathFor(u"D:\\"_s, u"App.exe"_s), u"D:\\App.ini");
    EXPECT_EQ(IniFiler::iniPathFor(u"/usr/bin"_s, u"velmora"_s), u"/usr/bin/velmora.ini");
    EXPECT_EQ(IniFiler::iniPathFor(u"/opt/"_s, u".velmora"_s), u"/opt/.velmora.ini");
    // A write changes only its line and never writes empty or broken lines.
    writeBytes(iniFile, "; mine\n\n[Paths]\nUsePaths=0\n\n[Options]\r\nStyle=0\r\n[Zed]\rz=1");
    put(u"style"_s, u"1"_s, u"OPTIONS"_s);
    put(u"New"_s, u"  v  "_s, u"Paths"_s);
    put(u"k"_s, u"1"_s, u"Fresh"_s);
    // A stored key is never cleared; a line break (Linux folder names may hold one) would
    // spill into lines of their own.
    for (const QString& bad : {u"   "_s, u"/music/new\nline"_s, u"/music/x\r"_s, u"\n/music"_s})
        EXPECT_EQ(put(u"Last"_s, bad), u"0");
    for (const auto& [key, section] : {std::pair{u"La\nst"_s, u"Options"_s},
                                       {u"Last"_s, u"Opt\rions"_s},
                                       {u" "_s, u"Options"_s},
                                       {u"Last"_s, QString()}})
        EXPECT_EQ(put(key, u"/m"_s, section), u"0")
            << "nor a key or section that is blank or breaks";
    EXPECT_EQ(readBytes(iniFile),
              "; mine\n\n[Paths]\nUsePaths=0\nNew=v\r\n\n[Options]\r\nstyle=1\r\n"
              "[Zed]\rz=1\r\n[Fresh]\r\nk=1\r\n");
    // A disk that takes no more bytes: ResCode says so, and the old file stays whole.
    const QByteArray before = readBytes(iniFile);
    EXPECT_EQ(runWithFileSizeLimit(4, [&] { return put(u"Style"_s, u"0"_s) == u"0" ? 0 : 1; }), 0);
    EXPECT_EQ(readBytes(iniFile), before);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{u"velmora.ini"_s});
}

TEST_F(Ini, SettingsReadEachKeyByOneRuleAndSaveTheOptionsInTheirOrder) {
    // The file, then what is read: style, remember, path mode, last folder.
    const std::pair<const char*, const char*> rows[] = {
        {"", "0 1 2 1"},
        {"[Options]\nStyle=1\nRemember=0\nLast=/m\n[Paths]\nUsePaths=0", "1 0 0 /m"},
        {"[Options]\nStyle=1.4\nRemember= 1 \n[Paths]\nUsePaths=1", "1 1 1 1"},
        {"[Options]\nStyle=1.5\nRemember=01\n[Paths]\nUsePaths=7", "0 0 2 1"},
        {"[Options]\nStyle=1 pls\nRemember=yes\n[Paths]\nUsePaths=all", "1 0 0 1"}};
    Settings settings(ini);
    for (const auto& [file, read] : rows) {
        writeBytes(iniFile, file);
        EXPECT_EQ(u"%1 %2 %3 %4"_s.arg(int(settings.style()))
                      .arg(int(settings.remember()))
                      .arg(int(settings.pathMode()))
                      .arg(settings.lastFolder()),
                  QString::fromLatin1(read))
            << file;
    }
    QFile::remove(iniFile);
    EXPECT_TRUE(settings.saveOptions(false, PlaylistFormat::Pls, PathMode::Always));
    settings.saveLastFolder(u"/music/rock"_s);
    EXPECT_EQ(readBytes(iniFile),
              "[Options]\r\nRemember=0\r\nStyle=1\r\nLast=/music/rock\r\n[Paths]\r\n"
              "UsePaths=1\r\n");
    // A settings file that cannot be written: the user is told its name and why.
    const QString nowhere = path(u"gone/velmora.ini"_s);
    IniFiler lost{nowhere};
    const Result<> saved = Settings(lost).saveOptions(true, PlaylistFormat::M3u, PathMode::Decide);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.reason().startsWith(nowhere + u":\n"_s) &&
                saved.reason().size() > nowhere.size() + 2)
        << saved.reason().toStdString();
}

TEST_F(Ini, NewSettingsGoToTheUsersConfigurationFolderNeverBesideTheProgram) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp.path()));
    ini = IniFiler(); // where a user's settings go
    EXPECT_EQ(put(u"Style"_s, u"1"_s), u"1");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(ini.IniPath().startsWith(tmp.path() + u'/')) << ini.IniPath().toStdString();
    EXPECT_TRUE(ini.IniPath().endsWith(u"/velmora.ini"_s));
    EXPECT_EQ(readBytes(ini.IniPath()), "[Options]\r\nStyle=1\r\n");
}
