#include "app/IniFiler.h"
#include "support/FileSizeLimit.h"

#include <QDir>

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QString read(IniFiler& ini, const char* section, const char* key, const char* def) {
    ini.Section(QString::fromLatin1(section));
    ini.Setting(QString::fromLatin1(key));
    if (def)
        ini.Default(QString::fromLatin1(def));
    ini.GetFromIni();
    return ini.Value();
}
} // namespace

TEST(IniFiler, DefaultsWhenFileSectionOrKeyIsMissingAndLeftOverDefault) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"velmora.ini"_s);
    IniFiler ini(path);
    EXPECT_EQ(read(ini, "Options", "Remember", "1"), u"1");
    EXPECT_EQ(ini.ResCode(), u"1");
    writeAll(path, "[Options]\r\nStyle=1\r\n");
    EXPECT_EQ(read(ini, "Paths", "UsePaths", "2"), u"2");
    EXPECT_EQ(read(ini, "Options", "Remember", "1"), u"1");
    // Last has no default of its own: the "1" of the Remember read answers.
    EXPECT_EQ(read(ini, "Options", "Last", nullptr), u"1");
    EXPECT_EQ(read(ini, "options", "STYLE", "0"), u"1") << "names match without regard to case";
}

TEST(IniFiler, TrimsAndSkipsEmptyReadsAndWrites) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"velmora.ini"_s);
    writeAll(path, "[Options]\r\nLast =  /music/rock  \r\n");
    IniFiler ini(path);
    EXPECT_EQ(read(ini, " Options ", " Last ", "x"), u"/music/rock");
    EXPECT_EQ(ini.ResCode(), u"11");

    ini.Value(u"keep me"_s);
    ini.Default(u"  "_s);
    ini.GetFromIni(); // an empty default: no read at all
    EXPECT_EQ(ini.Value(), u"keep me");
    EXPECT_EQ(ini.ResCode(), u"0");

    const QByteArray before = readAll(path);
    ini.Section(u"Options"_s);
    ini.Setting(u"Last"_s);
    ini.Value(u"   "_s);
    ini.WriToIni(); // a stored key can never be cleared
    EXPECT_EQ(ini.ResCode(), u"0");
    EXPECT_EQ(readAll(path), before);

    ini.Value(u"  /new folder  "_s);
    ini.WriToIni();
    EXPECT_EQ(readAll(path), QByteArray("[Options]\r\nLast=/new folder\r\n"));
}

TEST(IniFiler, AWriteChangesOnlyItsLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"velmora.ini"_s);
    const QByteArray original = "; Velmora settings\n\n[Paths]\nUsePaths=0\nOther=keep\n\n"
                                "[Options]\r\nStyle=0\r\n; a comment\r\nRemember=1\r\n[Zed]\rz=1";
    writeAll(path, original);
    IniFiler ini(path);
    ini.Section(u"OPTIONS"_s);
    ini.Setting(u"style"_s);
    ini.Value(u"1"_s);
    ini.WriToIni();
    QByteArray expected = original;
    expected.replace("Style=0", "style=1");
    EXPECT_EQ(readAll(path).toStdString(), expected.toStdString());

    ini.Section(u"Paths"_s);
    ini.Setting(u"New"_s);
    ini.Value(u"v"_s);
    ini.WriToIni(); // a new key goes at the end of its section
    expected.replace("Other=keep\n", "Other=keep\nNew=v\r\n");
    EXPECT_EQ(readAll(path).toStdString(), expected.toStdString());

    ini.Section(u"Fresh"_s);
    ini.Setting(u"k"_s);
    ini.Value(u"1"_s);
    ini.WriToIni(); // a new section at the end of the file
    expected += "\r\n[Fresh]\r\nk=1\r\n";
    EXPECT_EQ(readAll(path).toStdString(), expected.toStdString());
}

TEST(IniFiler, LongValuesAreReadWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"velmora.ini"_s);
    const QString folder = u"/home/someone/Music/"_s + QString(300, u'a');
    IniFiler ini(path);
    ini.Section(u"Options"_s);
    ini.Setting(u"Last"_s);
    ini.Value(folder);
    ini.WriToIni();
    ini.Value(QString());
    ini.Default(u"1"_s);
    ini.GetFromIni();
    EXPECT_EQ(ini.Value(), folder);
    EXPECT_EQ(ini.ResCode(), QString::number(folder.size()));
}

TEST(IniFiler, AFailedWriteLeavesTheOldFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"velmora.ini"_s);
    const QByteArray original = "[Options]\r\nStyle=1\r\n; keep this comment\r\n";
    writeAll(path, original);
    // A disk that takes no more bytes: the write fails half way.
    const int status = runWithFileSizeLimit(4, [&] {
        IniFiler ini(path);
        ini.Section(u"Options"_s);
        ini.Setting(u"Style"_s);
        ini.Value(u"0"_s);
        ini.WriToIni();
        return ini.ResCode() == u"0" ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "ResCode must report the failed write";
    EXPECT_EQ(readAll(path), original);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"velmora.ini"_s})
        << "no temporary file is left behind";
}

TEST(IniFiler, FileLivesBesideTheExecutable) {
    EXPECT_EQ(IniFiler::iniPathFor(u"C:\\Tools"_s, u"App.exe"_s), u"C:\\Tools\\App.ini");
    EXPECT_EQ(IniFiler::iniPathFor(u"D:\\"_s, u"App.exe"_s), u"D:\\App.ini");
    EXPECT_EQ(IniFiler::iniPathFor(u"/usr/bin"_s, u"velmora"_s), u"/usr/bin/velmora.ini");
    EXPECT_EQ(IniFiler::iniPathFor(u"/"_s, u"velmora"_s), u"/velmora.ini");
}
