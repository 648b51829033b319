#include "mainwindow/PlaylistItems.h"
#include "playlist/Entry.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const PathStyle win = PathStyle::windows();
const PathStyle posix = PathStyle::posix();

// fonly and full of PickAPart, as one pair for comparing.
std::pair<QString, QString> split(const QString& what, const PathStyle& style) {
    QString fonly = u"stale"_qs, full = u"stale"_qs;
    PickAPart(what, fonly, full, style);
    return {fonly, full};
}
using Split = std::pair<QString, QString>;
} // namespace

TEST(PickAPart, SplitsEntriesInTheWindowsStyle) {
    EXPECT_EQ(split(u"Song.mp3 {c:\\music}"_qs, win),
              Split(u"Song.mp3"_qs, u"c:\\music\\Song.mp3"_qs));
    for (const QString& bare : {u"Song.mp3 {}"_qs, u"Song.mp3"_qs, u"Song.mp3 {   }"_qs})
        EXPECT_EQ(split(bare, win), Split(u"Song.mp3"_qs, u"Song.mp3"_qs)) << bare.toStdString();
    EXPECT_EQ(split(u"{c:\\x} Song.mp3"_qs, win),
              Split(u"{c:\\x} Song.mp3"_qs, u"{c:\\x} Song.mp3"_qs))
        << "a brace in the first place leaves the text whole";
    EXPECT_EQ(split(u"x"_qs, win), Split(u"x"_qs, u"x"_qs));
    EXPECT_EQ(split(QString(), win), Split(QString(), QString()));
    EXPECT_EQ(split(u"Song.mp3   {  c:\\x}"_qs, win), Split(u"Song.mp3"_qs, u"c:\\x\\Song.mp3"_qs));
    EXPECT_EQ(split(u"Song.mp3 {c:\\x"_qs, win), Split(u"Song.mp3"_qs, u"c:\\x\\Song.mp3"_qs))
        << "a missing closing brace is tolerated";
    EXPECT_EQ(split(u"Song.mp3 {c:\\x}  "_qs, win), Split(u"Song.mp3"_qs, u"c:\\x\\Song.mp3"_qs));
    EXPECT_EQ(split(u"\tSong.mp3 {c:\\x}"_qs, win),
              Split(u"\tSong.mp3"_qs, u"c:\\x\\\tSong.mp3"_qs))
        << "only spaces are trimmed";
    EXPECT_EQ(split(u"Song.mp3 {c:}"_qs, win), Split(u"Song.mp3"_qs, u"c:\\Song.mp3"_qs));
}

TEST(PickAPart, SplitsEntriesInThePosixStyle) {
    EXPECT_EQ(split(u"Song.mp3 {/Music}"_qs, posix), Split(u"Song.mp3"_qs, u"/Music/Song.mp3"_qs));
    EXPECT_EQ(split(u"Song.mp3   {  /x"_qs, posix), Split(u"Song.mp3"_qs, u"/x/Song.mp3"_qs));
    EXPECT_EQ(split(u"Song.mp3 {/}"_qs, posix), Split(u"Song.mp3"_qs, u"/Song.mp3"_qs))
        << "the root folder gives no doubled separator";
    EXPECT_EQ(split(u"Song.mp3 {}"_qs, posix), Split(u"Song.mp3"_qs, u"Song.mp3"_qs));
}

TEST(PathParts, FileOnlyAndFolderOnly) {
    EXPECT_EQ(FileOnly(u"c:\\music\\a.mp3"_qs, win), u"a.mp3");
    EXPECT_EQ(FileOnly(u"a.mp3"_qs, win), u"a.mp3");
    EXPECT_EQ(FileOnly(u"c:\\music\\"_qs, win), u"");
    EXPECT_EQ(FolderOnly(u"c:\\a.mp3"_qs, win), u"c:");
    EXPECT_EQ(FolderOnly(u"c:\\music\\a.mp3"_qs, win), u"c:\\music");
    EXPECT_EQ(FolderOnly(u"\\\\server\\share\\a.mp3"_qs, win), u"\\\\server\\share");
    EXPECT_EQ(FolderOnly(u"\\a.mp3"_qs, win), u"");
    EXPECT_EQ(FolderOnly(u"a.mp3"_qs, win), u"");
    EXPECT_EQ(FolderOnly(u"c:\\music\\\\a.mp3"_qs, win), u"c:\\music") << "one separator removed";

    EXPECT_EQ(FileOnly(u"/music/a.mp3"_qs, posix), u"a.mp3");
    EXPECT_EQ(FileOnly(u"c:\\music\\a.mp3"_qs, posix), u"c:\\music\\a.mp3")
        << "a backslash is part of a POSIX name";
    EXPECT_EQ(FolderOnly(u"/Music/Rock/a.mp3"_qs, posix), u"/Music/Rock");
    EXPECT_EQ(FolderOnly(u"/a.mp3"_qs, posix), u"");
    EXPECT_EQ(FolderOnly(u"Music/a.mp3"_qs, posix), u"Music");
}

TEST(PathParts, FileExistsForFilesAndFoldersOnly) {
    QTemporaryDir dir;
    const QString file = dir.filePath(u"Song.mp3"_qs);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.filePath(u"gone.mp3"_qs)));
    EXPECT_FALSE(FileExists(QString()));
}

TEST(EntryText, BuiltFromPathsInTheWindowsStyle) {
    EXPECT_EQ(entryFromPath(u"C:\\Music\\Rock\\Song.mp3"_qs, win).text(),
              u"Song.mp3 {c:\\music\\rock}");
    EXPECT_EQ(entryFromPath(u"C:\\Music\\Song.MP3"_qs, win).text(), u"Song.MP3 {c:\\music}");
    EXPECT_EQ(entryFromPath(u"Song.mp3"_qs, win).text(), u"Song.mp3 {}");
    EXPECT_EQ(entryFromPath(u"Music\\Song.mp3"_qs, win).text(), u"Song.mp3 {music}");

    // A song in a drive root, from a path and from the file list showing that root.
    const Entry root = entryFromPath(u"C:\\Song.mp3"_qs, win);
    EXPECT_EQ(root.text(), u"Song.mp3 {c:}");
    EXPECT_EQ(entryFromFolderAndName(u"C:\\"_qs, u"Song.mp3"_qs, win), root);
    EXPECT_EQ(split(root.text(), win).second, u"c:\\Song.mp3");
    EXPECT_EQ(fullPath(root, win), u"c:\\Song.mp3");

    EXPECT_EQ(entryFromFolderAndName(u"C:\\Music\\"_qs, u"Song.mp3"_qs, win),
              entryFromPath(u"c:\\MUSIC\\Song.mp3"_qs, win))
        << "the same song from the file list and from the shell gives the same entry";
    EXPECT_EQ(entryFromText(u"Song.mp3 {c:\\music}"_qs, win),
              (Entry{u"Song.mp3"_qs, u"c:\\music"_qs}));
}

TEST(EntryText, BuiltFromPathsInThePosixStyleKeepTheirCase) {
    EXPECT_EQ(entryFromPath(u"/Music/Rock/Song.MP3"_qs, posix).text(), u"Song.MP3 {/Music/Rock}");
    EXPECT_EQ(entryFromPath(u"Music/Song.mp3"_qs, posix).text(), u"Song.mp3 {Music}");
    EXPECT_EQ(entryFromFolderAndName(u"/Music/"_qs, u"Song.mp3"_qs, posix),
              entryFromPath(u"/Music/Song.mp3"_qs, posix));

    // A song in the root folder keeps a folder that leads back to it.
    const Entry root = entryFromPath(u"/Song.mp3"_qs, posix);
    EXPECT_EQ(root.text(), u"Song.mp3 {/}");
    EXPECT_EQ(entryFromFolderAndName(u"/"_qs, u"Song.mp3"_qs, posix), root);
    EXPECT_EQ(split(root.text(), posix).second, u"/Song.mp3");
    EXPECT_EQ(fullPath(root, posix), u"/Song.mp3");
    EXPECT_EQ(entryFromText(root.text(), posix), root);
}

TEST(PathModes, ChooseTheLineForAnEntry) {
    EXPECT_EQ(pathModeFromText(u"0"_qs), PathMode::Never);
    EXPECT_EQ(pathModeFromText(u"1"_qs), PathMode::Always);
    EXPECT_EQ(pathModeFromText(u"2"_qs), PathMode::Decide);
    EXPECT_EQ(pathModeFromText(u"never"_qs), PathMode::Never) << "no number reads as 0";
    for (const QString& odd : {u"3"_qs, u"-1"_qs, u"1.5"_qs, u"99"_qs})
        EXPECT_EQ(pathModeFromText(odd), PathMode::Decide) << odd.toStdString();

    const QString list = u"C:\\Music\\List.m3u"_qs;
    const Entry here{u"Song.mp3"_qs, u"c:\\music"_qs};
    const Entry below{u"Other.mp3"_qs, u"c:\\music\\rock"_qs};
    const Entry bare{u"Bare.mp3"_qs, {}};
    EXPECT_EQ(playlistLine(here, PathMode::Decide, list, win), u"Song.mp3");
    EXPECT_EQ(playlistLine(below, PathMode::Decide, list, win), u"c:\\music\\rock\\Other.mp3");
    EXPECT_EQ(playlistLine(here, PathMode::Always, list, win), u"c:\\music\\Song.mp3");
    EXPECT_EQ(playlistLine(below, PathMode::Never, list, win), u"Other.mp3");
    for (PathMode mode : {PathMode::Never, PathMode::Always, PathMode::Decide})
        EXPECT_EQ(playlistLine(bare, mode, list, win), u"Bare.mp3");

    // POSIX compares folders exactly: /music is not /Music.
    const QString posixList = u"/Music/List.m3u"_qs;
    EXPECT_EQ(playlistLine({u"Song.mp3"_qs, u"/Music"_qs}, PathMode::Decide, posixList, posix),
              u"Song.mp3");
    EXPECT_EQ(playlistLine({u"Song.mp3"_qs, u"/music"_qs}, PathMode::Decide, posixList, posix),
              u"/music/Song.mp3");
    EXPECT_EQ(playlistLine({u"Song.mp3"_qs, u"/"_qs}, PathMode::Decide, u"/List.m3u"_qs, posix),
              u"Song.mp3");
    EXPECT_EQ(playlistLine({u"Song.mp3"_qs, u"/"_qs}, PathMode::Decide, posixList, posix),
              u"/Song.mp3");
}

TEST(PlaylistItems, CarryNamesTheTextCannotGiveBack) {
    QListWidget list;
    const Entry braced{u"Live {2001}.mp3"_qs, u"/Music"_qs};
    const Entry plain{u"Song.mp3"_qs, u"/Music"_qs};
    appendEntries(list, {braced, plain});
    EXPECT_EQ(list.item(0)->text(), u"Live {2001}.mp3 {/Music}") << "the shown text is the entry";
    EXPECT_EQ(allEntries(list), (QVector<Entry>{braced, plain}));
    EXPECT_NE(entryFromText(braced.text(), posix), braced) << "the text alone loses the name";

    // An item without carried data (written by an older drop) still splits its text.
    list.addItem(u"Other.mp3 {/Rock}"_qs);
    EXPECT_EQ(entryAt(list, 2), (Entry{u"Other.mp3"_qs, u"/Rock"_qs}));
}
