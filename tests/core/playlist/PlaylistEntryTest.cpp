#include "core/playlist/Entry.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const PathStyle win = PathStyle::windows();
const PathStyle posix = PathStyle::posix();
QString s(const char16_t* text) {
    return QString::fromUtf16(text);
}
using Rows = std::initializer_list<std::pair<const char16_t*, const char16_t*>>;
} // namespace

TEST(PathParts, PathsSplitIntoFolderAndFileAndEntriesKeepTheirCaseWhereItCounts) {
    const auto parts = [](const PathStyle& style, Rows rows) {
        for (auto [path, parts] : rows)
            EXPECT_EQ(FolderOnly(s(path), style) + u'|' + FileOnly(s(path), style), s(parts));
    };
    parts(win, {{u"c:\\music\\a.mp3", u"c:\\music|a.mp3"},
                {u"a.mp3", u"|a.mp3"},
                {u"c:\\music\\", u"c:\\music|"},
                {u"c:\\a.mp3", u"c:|a.mp3"},
                {u"\\\\server\\share\\a.mp3", u"\\\\server\\share|a.mp3"},
                {u"\\a.mp3", u"|a.mp3"},
                {u"c:\\music\\\\a.mp3", u"c:\\music|a.mp3"}});
    parts(posix, {{u"/Music/a.mp3", u"/Music|a.mp3"}, {u"c:\\m\\a.mp3", u"|c:\\m\\a.mp3"}});
    // Folders are lower-cased only where the file system ignores case.
    const auto expect = [](const PathStyle& style, Rows rows) {
        for (auto [path, text] : rows) {
            const Entry entry = entryFromPath(s(path), style);
            EXPECT_EQ(entry.text(), s(text));
            EXPECT_EQ(EntryMaker(style).fromPath(s(path)), entry);
            // The same song dragged from the file list showing its folder.
            const QString folder = s(path).left(s(path).lastIndexOf(style.separator) + 1);
            EXPECT_TRUE(folder.isEmpty() ||
                        entryFromFolderAndName(folder, entry.name, style) == entry);
        }
    };
    expect(win, {{u"C:\\Music\\Song.MP3", u"Song.MP3 {c:\\music}"},
                 {u"Music\\Song.mp3", u"Song.mp3 {music}"},
                 {u"Song.mp3", u"Song.mp3 {}"},
                 {u"C:\\Song.mp3", u"Song.mp3 {c:}"}});
    expect(posix, {{u"/Music/Song.MP3", u"Song.MP3 {/Music}"}, {u"/Song.mp3", u"Song.mp3 {/}"}});
}

TEST(PathParts, AListLineSplitsIntoNameAndPathAndAPlaylistsEntryIntoItsFolder) {
    for (auto [line, parts] : Rows{{u"a{/m}", u"a|/m/a"},
                                   {u"S {/M/}", u"S|/M/S"},
                                   {u"S {}", u"S|S"},
                                   {u"{/m}", u"{/m}|{/m}"}}) {
        QString name, full;
        PickAPart(s(line), name, full, posix);
        EXPECT_EQ(name + u'|' + full, s(parts));
    }
    // An entry of a playlist file stands in the folder of the file, unless it names its own.
    for (auto [folder, anchored] :
         Rows{{u"", u"d:\\l"}, {u"m\\..\\R", u"d:\\l\\r"}, {u"c:", u"c:"}, {u"\\t", u"\\t"}})
        EXPECT_EQ(anchoredEntry({u"a.mp3"_s, s(folder)}, u"d:\\l"_s, win).folder, s(anchored));
}
