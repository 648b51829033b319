#include "mainwindow/PlaylistItems.h"
#include "playlist/Entry.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const PathStyle win = PathStyle::windows();
const PathStyle posix = PathStyle::posix();

// fonly and full of PickAPart, as one pair for comparing.
std::pair<QString, QString> split(const QString& what, const PathStyle& style) {
    QString fonly = u"stale"_s, full = u"stale"_s;
    PickAPart(what, fonly, full, style);
    return {fonly, full};
}
using Split = std::pair<QString, QString>;
} // namespace

TEST(PickAPart, SplitsEntriesInTheWindowsStyle) {
    EXPECT_EQ(split(u"Song.mp3 {c:\\music}"_s, win),
              Split(u"Song.mp3"_s, u"c:\\music\\Song.mp3"_s));
    for (const QString& bare : {u"Song.mp3 {}"_s, u"Song.mp3"_s, u"Song.mp3 {   }"_s})
        EXPECT_EQ(split(bare, win), Split(u"Song.mp3"_s, u"Song.mp3"_s)) << bare.toStdString();
    EXPECT_EQ(split(u"{c:\\x} Song.mp3"_s, win),
              Split(u"{c:\\x} Song.mp3"_s, u"{c:\\x} Song.mp3"_s))
        << "a brace in the first place leaves the text whole";
    EXPECT_EQ(split(u"x"_s, win), Split(u"x"_s, u"x"_s));
    EXPECT_EQ(split(QString(), win), Split(QString(), QString()));
    EXPECT_EQ(split(u"Song.mp3   {  c:\\x}"_s, win), Split(u"Song.mp3"_s, u"c:\\x\\Song.mp3"_s));
    EXPECT_EQ(split(u"Song.mp3 {c:\\x"_s, win), Split(u"Song.mp3"_s, u"c:\\x\\Song.mp3"_s))
        << "a missing closing brace is tolerated";
    EXPECT_EQ(split(u"Song.mp3 {c:\\x}  "_s, win), Split(u"Song.mp3"_s, u"c:\\x\\Song.mp3"_s));
    EXPECT_EQ(split(u"\tSong.mp3 {c:\\x}"_s, win), Split(u"\tSong.mp3"_s, u"c:\\x\\\tSong.mp3"_s))
        << "only spaces are trimmed";
    EXPECT_EQ(split(u"Song.mp3 {c:}"_s, win), Split(u"Song.mp3"_s, u"c:\\Song.mp3"_s));
}

TEST(PickAPart, SplitsEntriesInThePosixStyle) {
    EXPECT_EQ(split(u"Song.mp3 {/Music}"_s, posix), Split(u"Song.mp3"_s, u"/Music/Song.mp3"_s));
    EXPECT_EQ(split(u"Song.mp3   {  /x"_s, posix), Split(u"Song.mp3"_s, u"/x/Song.mp3"_s));
    EXPECT_EQ(split(u"Song.mp3 {/}"_s, posix), Split(u"Song.mp3"_s, u"/Song.mp3"_s))
        << "the root folder gives no doubled separator";
    EXPECT_EQ(split(u"Song.mp3 {}"_s, posix), Split(u"Song.mp3"_s, u"Song.mp3"_s));
}

TEST(PathParts, FileOnlyAndFolderOnly) {
    EXPECT_EQ(FileOnly(u"c:\\music\\a.mp3"_s, win), u"a.mp3");
    EXPECT_EQ(FileOnly(u"a.mp3"_s, win), u"a.mp3");
    EXPECT_EQ(FileOnly(u"c:\\music\\"_s, win), u"");
    EXPECT_EQ(FolderOnly(u"c:\\a.mp3"_s, win), u"c:");
    EXPECT_EQ(FolderOnly(u"c:\\music\\a.mp3"_s, win), u"c:\\music");
    EXPECT_EQ(FolderOnly(u"\\\\server\\share\\a.mp3"_s, win), u"\\\\server\\share");
    EXPECT_EQ(FolderOnly(u"\\a.mp3"_s, win), u"");
    EXPECT_EQ(FolderOnly(u"a.mp3"_s, win), u"");
    EXPECT_EQ(FolderOnly(u"c:\\music\\\\a.mp3"_s, win), u"c:\\music") << "one separator removed";

    EXPECT_EQ(FileOnly(u"/music/a.mp3"_s, posix), u"a.mp3");
    EXPECT_EQ(FileOnly(u"c:\\music\\a.mp3"_s, posix), u"c:\\music\\a.mp3")
        << "a backslash is part of a POSIX name";
    EXPECT_EQ(FolderOnly(u"/Music/Rock/a.mp3"_s, posix), u"/Music/Rock");
    EXPECT_EQ(FolderOnly(u"/a.mp3"_s, posix), u"");
    EXPECT_EQ(FolderOnly(u"Music/a.mp3"_s, posix), u"Music");
}

TEST(PathParts, FileExistsForFilesAndFoldersOnly) {
    QTemporaryDir dir;
    const QString file = dir.filePath(u"Song.mp3"_s);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.filePath(u"gone.mp3"_s)));
    EXPECT_FALSE(FileExists(QString()));
}

TEST(EntryText, BuiltFromPathsInTheWindowsStyle) {
    EXPECT_EQ(entryFromPath(u"C:\\Music\\Rock\\Song.mp3"_s, win).text(),
              u"Song.mp3 {c:\\music\\rock}");
    EXPECT_EQ(entryFromPath(u"C:\\Music\\Song.MP3"_s, win).text(), u"Song.MP3 {c:\\music}");
    EXPECT_EQ(entryFromPath(u"Song.mp3"_s, win).text(), u"Song.mp3 {}");
    EXPECT_EQ(entryFromPath(u"Music\\Song.mp3"_s, win).text(), u"Song.mp3 {music}");

    // A song in a drive root, from a path and from the file list showing that root.
    const Entry root = entryFromPath(u"C:\\Song.mp3"_s, win);
    EXPECT_EQ(root.text(), u"Song.mp3 {c:}");
    EXPECT_EQ(entryFromFolderAndName(u"C:\\"_s, u"Song.mp3"_s, win), root);
    EXPECT_EQ(split(root.text(), win).second, u"c:\\Song.mp3");
    EXPECT_EQ(fullPath(root, win), u"c:\\Song.mp3");

    EXPECT_EQ(entryFromFolderAndName(u"C:\\Music\\"_s, u"Song.mp3"_s, win),
              entryFromPath(u"c:\\MUSIC\\Song.mp3"_s, win))
        << "the same song from the file list and from the shell gives the same entry";
    EXPECT_EQ(entryFromText(u"Song.mp3 {c:\\music}"_s, win),
              (Entry{u"Song.mp3"_s, u"c:\\music"_s}));
}

TEST(EntryText, BuiltFromPathsInThePosixStyleKeepTheirCase) {
    EXPECT_EQ(entryFromPath(u"/Music/Rock/Song.MP3"_s, posix).text(), u"Song.MP3 {/Music/Rock}");
    EXPECT_EQ(entryFromPath(u"Music/Song.mp3"_s, posix).text(), u"Song.mp3 {Music}");
    EXPECT_EQ(entryFromFolderAndName(u"/Music/"_s, u"Song.mp3"_s, posix),
              entryFromPath(u"/Music/Song.mp3"_s, posix));

    // A song in the root folder keeps a folder that leads back to it.
    const Entry root = entryFromPath(u"/Song.mp3"_s, posix);
    EXPECT_EQ(root.text(), u"Song.mp3 {/}");
    EXPECT_EQ(entryFromFolderAndName(u"/"_s, u"Song.mp3"_s, posix), root);
    EXPECT_EQ(split(root.text(), posix).second, u"/Song.mp3");
    EXPECT_EQ(fullPath(root, posix), u"/Song.mp3");
    EXPECT_EQ(entryFromText(root.text(), posix), root);
}

TEST(PathModes, ChooseTheLineForAnEntry) {
    EXPECT_EQ(pathModeFromText(u"0"_s), PathMode::Never);
    EXPECT_EQ(pathModeFromText(u"1"_s), PathMode::Always);
    EXPECT_EQ(pathModeFromText(u"2"_s), PathMode::Decide);
    EXPECT_EQ(pathModeFromText(u"never"_s), PathMode::Never) << "no number reads as 0";
    for (const QString& odd : {u"3"_s, u"-1"_s, u"1.5"_s, u"99"_s})
        EXPECT_EQ(pathModeFromText(odd), PathMode::Decide) << odd.toStdString();

    const QString list = u"C:\\Music\\List.m3u"_s;
    const Entry here{u"Song.mp3"_s, u"c:\\music"_s};
    const Entry below{u"Other.mp3"_s, u"c:\\music\\rock"_s};
    const Entry bare{u"Bare.mp3"_s, {}};
    EXPECT_EQ(playlistLine(here, PathMode::Decide, list, win), u"Song.mp3");
    EXPECT_EQ(playlistLine(below, PathMode::Decide, list, win), u"c:\\music\\rock\\Other.mp3");
    EXPECT_EQ(playlistLine(here, PathMode::Always, list, win), u"c:\\music\\Song.mp3");
    EXPECT_EQ(playlistLine(below, PathMode::Never, list, win), u"Other.mp3");
    for (PathMode mode : {PathMode::Never, PathMode::Always, PathMode::Decide})
        EXPECT_EQ(playlistLine(bare, mode, list, win), u"Bare.mp3");

    // POSIX compares folders exactly: /music is not /Music.
    const QString posixList = u"/Music/List.m3u"_s;
    EXPECT_EQ(playlistLine({u"Song.mp3"_s, u"/Music"_s}, PathMode::Decide, posixList, posix),
              u"Song.mp3");
    EXPECT_EQ(playlistLine({u"Song.mp3"_s, u"/music"_s}, PathMode::Decide, posixList, posix),
              u"/music/Song.mp3");
    EXPECT_EQ(playlistLine({u"Song.mp3"_s, u"/"_s}, PathMode::Decide, u"/List.m3u"_s, posix),
              u"Song.mp3");
    EXPECT_EQ(playlistLine({u"Song.mp3"_s, u"/"_s}, PathMode::Decide, posixList, posix),
              u"/Song.mp3");
}

TEST(PlaylistItems, CarryNamesTheTextCannotGiveBack) {
    QListWidget list;
    const Entry braced{u"Live {2001}.mp3"_s, u"/Music"_s};
    const Entry plain{u"Song.mp3"_s, u"/Music"_s};
    appendEntries(list, {braced, plain});
    EXPECT_EQ(list.item(0)->text(), u"Live {2001}.mp3 {/Music}") << "the shown text is the entry";
    EXPECT_EQ(allEntries(list), (QVector<Entry>{braced, plain}));
    EXPECT_NE(entryFromText(braced.text(), posix), braced) << "the text alone loses the name";

    // An item without carried data (written by an older drop) still splits its text.
    list.addItem(u"Other.mp3 {/Rock}"_s);
    EXPECT_EQ(entryAt(list, 2), (Entry{u"Other.mp3"_s, u"/Rock"_s}));
}
