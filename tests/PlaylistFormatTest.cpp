#include "playlist/PlaylistFormat.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const PathStyle win = PathStyle::windows();
const PathStyle posix = PathStyle::posix();

QStringList texts(const QVector<Entry>& entries) {
    QStringList t;
    for (const Entry& e : entries)
        t << e.text();
    return t;
}

QByteArray bytesOf(const WrittenPlaylist& written) {
    EXPECT_TRUE(written.ok()) << "entry " << written.unwritable << " was refused";
    return written.bytes;
}

const QVector<Entry> kWindowsList{{u"Song.mp3"_s, u"c:\\music"_s}, {u"Other.mp3"_s, u"d:\\rock"_s}};
} // namespace

TEST(M3u, ReadsSongLinesAndSkipsExtendedInformation) {
    EXPECT_EQ(
        texts(parseM3u("#EXTM3U\r\n#EXTINF:215,Artist - Title\r\nC:\\Music\\Song.mp3\r\n", win)),
        QStringList{u"Song.mp3 {c:\\music}"_s});
    EXPECT_EQ(texts(parseM3u("#EXTM3U\n#EXTINF:215,Artist - Title\n/Music/Song.mp3\n", posix)),
              QStringList{u"Song.mp3 {/Music}"_s});

    const QByteArray file = "#extm3u\r\n"           // lower case: not a header, an entry
                            "\r\n   \r\n"           // blank lines and a line of blanks
                            "  /Music/A.mp3   \r\n" // blanks around a song
                            "# a comment\r\n"
                            "Music/Rel.mp3\r\n"
                            "Bare.mp3\r\n"
                            "/Music/A.mp3\r\n"; // duplicates stay
    EXPECT_EQ(texts(parseM3u(file, posix)),
              (QStringList{u"#extm3u {}"_s, u"A.mp3 {/Music}"_s, u"# a comment {}"_s,
                           u"Rel.mp3 {Music}"_s, u"Bare.mp3 {}"_s, u"A.mp3 {/Music}"_s}));
    EXPECT_EQ(texts(parseM3u("Music\\Song.mp3", win)), QStringList{u"Song.mp3 {music}"_s});
    EXPECT_TRUE(parseM3u({}, posix).isEmpty());
    EXPECT_TRUE(parseM3u("#EXTM3U\r\n\r\n", posix).isEmpty());
}

TEST(M3u, SplitsLinesAtCrLfLoneCrAndLoneLf) {
    const QStringList four{u"a.mp3 {}"_s, u"b.mp3 {}"_s, u"c.mp3 {}"_s, u"d.mp3 {}"_s};
    EXPECT_EQ(texts(parseM3u("a.mp3\r\nb.mp3\r\nc.mp3\r\nd.mp3\r\n", posix)), four);
    EXPECT_EQ(texts(parseM3u("a.mp3\nb.mp3\nc.mp3\nd.mp3\n", posix)), four);
    EXPECT_EQ(texts(parseM3u("a.mp3\rb.mp3\rc.mp3\rd.mp3\r", posix)), four);
    EXPECT_EQ(texts(parseM3u("a.mp3\r\nb.mp3\rc.mp3\nd.mp3", posix)), four) << "mixed, no last end";
    EXPECT_EQ(texts(parseM3u("a.mp3\n\rb.mp3\r\r\nc.mp3\n\nd.mp3", posix)), four)
        << "LF CR is two line ends";
}

TEST(M3u, ReadsUtf8WithOrWithoutAByteOrderMark) {
    const QString name = u"Ünïcødé 日本.mp3"_s;
    const QByteArray line = "/Music/" + name.toUtf8();
    for (const QByteArray& file : {"\xEF\xBB\xBF#EXTM3U\r\n" + line + "\r\n", line + "\n"}) {
        const QVector<Entry> entries = parseM3u(file, posix);
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0], (Entry{name, u"/Music"_s}));
    }
    EXPECT_EQ(texts(parseM3u("\xEF\xBB\xBF", posix)), QStringList{});
    // Only the file's first mark is skipped: one that begins a later line is part of a name.
    const QVector<Entry> marked = parseM3u("\xEF\xBB\xBF/a.mp3\n\xEF\xBB\xBF"
                                           "b.mp3\n",
                                           posix);
    ASSERT_EQ(marked.size(), 2);
    EXPECT_EQ(marked[1].name, QChar(0xFEFF) + u"b.mp3"_s);
    EXPECT_EQ(writeM3u(marked, PathMode::Never, u"/L"_s, posix).bytes,
              QByteArray("a.mp3\r\n\xEF\xBB\xBF"
                         "b.mp3\r\n"));
}

TEST(M3u, WritesOneCrLfLinePerEntryAndNothingElse) {
    EXPECT_EQ(bytesOf(writeM3u(kWindowsList, PathMode::Decide, u"C:\\Music\\Mix.m3u"_s, win)),
              QByteArray("Song.mp3\r\nd:\\rock\\Other.mp3\r\n"));
    EXPECT_EQ(bytesOf(writeM3u(kWindowsList, PathMode::Never, u"C:\\Music\\Mix.m3u"_s, win)),
              QByteArray("Song.mp3\r\nOther.mp3\r\n"));
    EXPECT_EQ(bytesOf(writeM3u(kWindowsList, PathMode::Always, u"C:\\Music\\Mix.m3u"_s, win)),
              QByteArray("c:\\music\\Song.mp3\r\nd:\\rock\\Other.mp3\r\n"));
    const QVector<Entry> three{
        {u"a.mp3"_s, u"/Music"_s}, {u"b.mp3"_s, u"/Music/Sub"_s}, {u"c.mp3"_s, u"/"_s}};
    EXPECT_EQ(bytesOf(writeM3u(three, PathMode::Decide, u"/Music/List.m3u"_s, posix)),
              QByteArray("a.mp3\r\n/Music/Sub/b.mp3\r\n/c.mp3\r\n"));
    const WrittenPlaylist empty = writeM3u({}, PathMode::Always, u"/x.m3u"_s, posix);
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.bytes.isEmpty()) << "an empty list is a file of zero bytes";
}

TEST(Pls, ReadsFileKeysOnly) {
    const QByteArray standard = "[playlist]\r\n"
                                "File1=C:\\Music\\Song.mp3\r\n"
                                "Title1=Artist - Song\r\n"
                                "Length1=215\r\n"
                                "FILE2=Bare.mp3\r\n"
                                "NumberOfEntries=2\r\n"
                                "Version=2\r\n";
    EXPECT_EQ(texts(parsePls(standard, win)),
              (QStringList{u"Song.mp3 {c:\\music}"_s, u"Bare.mp3 {}"_s}));

    const QByteArray odd = "[playlist]\n"
                           "file2=/Music/Second.mp3\n"        // keys out of order
                           "  file1 =   /Music/First.mp3  \n" // blanks around the "="
                           "file3=/Music/a=b.mp3\n"           // the first "=" splits
                           "file4\n"                          // no "=": the line is the song
                           "file5=\n"                         // empty: no song
                           "file6=   \n"
                           "NumberOfEntries=99\n"; // the count is not checked
    EXPECT_EQ(texts(parsePls(odd, posix)),
              (QStringList{u"Second.mp3 {/Music}"_s, u"First.mp3 {/Music}"_s, u"a=b.mp3 {/Music}"_s,
                           u"file4 {}"_s}));
    EXPECT_EQ(texts(parsePls("\xEF\xBB\xBF[playlist]\rfile1=/a.mp3\rNumberOfEntries=1", posix)),
              QStringList{u"a.mp3 {/}"_s});
    EXPECT_TRUE(parsePls({}, posix).isEmpty());
    EXPECT_TRUE(parsePls("[playlist]\r\nNumberOfEntries=0\r\n", posix).isEmpty());
}

TEST(Pls, WritesNumberedKeysAndTheCount) {
    EXPECT_EQ(bytesOf(writePls(kWindowsList, PathMode::Always, u"C:\\Music\\Mix.pls"_s, win)),
              QByteArray("[playlist]\r\nfile1=c:\\music\\Song.mp3\r\nfile2=d:\\rock\\Other.mp3\r\n"
                         "NumberOfEntries=2\r\n"));
    EXPECT_EQ(bytesOf(writePls({}, PathMode::Decide, u"/x.pls"_s, posix)),
              QByteArray("[playlist]\r\nNumberOfEntries=0\r\n"));

    QVector<Entry> twelve;
    QByteArray expected = "[playlist]\r\n";
    for (int k = 1; k <= 12; ++k) {
        twelve << Entry{QString::number(k) + u".mp3"_s, u"/Music"_s};
        expected += "file" + QByteArray::number(k) + '=' + QByteArray::number(k) + ".mp3\r\n";
    }
    expected += "NumberOfEntries=12\r\n";
    EXPECT_EQ(bytesOf(writePls(twelve, PathMode::Decide, u"/Music/List.pls"_s, posix)), expected);
}

TEST(PlaylistFormats, RoundTripInEveryFormatAndPathMode) {
    const QVector<Entry> songs{{u"Here.mp3"_s, u"/Music"_s},
                               {u"Live {2001}.mp3"_s, u"/Music/Live"_s},
                               {u"a=b #EXT.mp3"_s, u"/Other Folder"_s},
                               {u"Ünïcødé.mp3"_s, u"/Music"_s},
                               {u"Root.mp3"_s, u"/"_s},
                               {u"Here.mp3"_s, u"/Music"_s},
                               {u"Bare.mp3"_s, {}}};
    const QString list = u"/Music/List"_s;
    for (PlaylistFormat format : {PlaylistFormat::M3u, PlaylistFormat::Pls}) {
        for (PathMode mode : {PathMode::Never, PathMode::Always, PathMode::Decide}) {
            SCOPED_TRACE(testing::Message() << "format " << int(format) << ", mode " << int(mode));
            const QByteArray first = bytesOf(writePlaylist(format, songs, mode, list, posix));
            const QVector<Entry> back = parsePlaylist(format, first, posix);
            ASSERT_EQ(back.size(), songs.size());
            for (qsizetype i = 0; i < songs.size(); ++i) {
                EXPECT_EQ(back[i].name, songs[i].name);
                const bool bare = mode == PathMode::Never ||
                                  (mode == PathMode::Decide && songs[i].folder == u"/Music");
                EXPECT_EQ(back[i].folder, bare ? QString() : songs[i].folder) << i;
            }
            EXPECT_EQ(bytesOf(writePlaylist(format, back, mode, list, posix)), first)
                << "saving what was read gives the same bytes";
            EXPECT_EQ(bytesOf(writePlaylist(format, songs, mode, list, posix)), first);
        }
    }
    EXPECT_EQ(parsePlaylist(PlaylistFormat::M3u,
                            bytesOf(writeM3u(kWindowsList, PathMode::Always, u"e:\\l.m3u"_s, win)),
                            win),
              kWindowsList);
}

TEST(PlaylistFormats, RefuseSongsWhoseLineWouldNotReadBack) {
    // The first entry the format cannot hold, and why, in one format and mode.
    const auto refusal = [](PlaylistFormat format, const QVector<Entry>& songs, PathMode mode) {
        const WrittenPlaylist written = writePlaylist(format, songs, mode, u"/Music/L"_s, posix);
        EXPECT_EQ(written.bytes.isEmpty(), !written.ok()) << "a refused file has no bytes";
        return std::pair(written.unwritable, written.fault);
    };
    using Refusal = std::pair<qsizetype, LineFault>;
    const Refusal none{-1, LineFault::None};
    const Entry fine{u"Fine.mp3"_s, u"/Music"_s};
    for (PlaylistFormat format : {PlaylistFormat::M3u, PlaylistFormat::Pls}) {
        SCOPED_TRACE(int(format));
        const QVector<Entry> broken{fine, {u"Two\nLines.mp3"_s, u"/Music"_s}, fine};
        EXPECT_EQ(refusal(format, broken, PathMode::Never), Refusal(1, LineFault::LineBreak));
        const QVector<Entry> crInFolder{{u"A.mp3"_s, u"/x\ry"_s}};
        EXPECT_EQ(refusal(format, crInFolder, PathMode::Always), Refusal(0, LineFault::LineBreak));
        EXPECT_EQ(refusal(format, crInFolder, PathMode::Never), none)
            << "a folder that is not written does no harm";
        const QVector<Entry> unencodable{fine, {QChar(0xD800) + u".mp3"_s, {}}};
        EXPECT_EQ(refusal(format, unencodable, PathMode::Never), Refusal(1, LineFault::Encoding));

        // The readers drop blanks at the ends and skip what is empty.
        const QVector<Entry> leading{fine, {u" Lead.mp3"_s, u"/Music"_s}};
        EXPECT_EQ(refusal(format, leading, PathMode::Never), Refusal(1, LineFault::ReadAsOther));
        EXPECT_EQ(refusal(format, leading, PathMode::Always), none);
        const QVector<Entry> trailing{{u"Trail.mp3 "_s, u"/Music"_s}};
        EXPECT_EQ(refusal(format, trailing, PathMode::Always), Refusal(0, LineFault::ReadAsOther));
        const QVector<Entry> nameless{{QString(), u"/Music"_s}};
        EXPECT_EQ(refusal(format, nameless, PathMode::Never), Refusal(0, LineFault::ReadAsOther));
        EXPECT_EQ(refusal(format, nameless, PathMode::Always), none) << "\"/Music/\" reads back";
    }
    const QVector<Entry> ext{fine, {u"#EXTRA.mp3"_s, u"/Music"_s}};
    EXPECT_EQ(refusal(PlaylistFormat::M3u, ext, PathMode::Decide),
              Refusal(1, LineFault::ReadAsOther));
    EXPECT_EQ(refusal(PlaylistFormat::M3u, ext, PathMode::Always), none);
    EXPECT_EQ(refusal(PlaylistFormat::Pls, ext, PathMode::Decide), none);
    const QVector<Entry> marked{{QChar(0xFEFF) + u"b.mp3"_s, {}}};
    EXPECT_EQ(refusal(PlaylistFormat::M3u, marked, PathMode::Never),
              Refusal(0, LineFault::ReadAsOther))
        << "a mark opening the file is read as a byte-order mark";
    EXPECT_EQ(refusal(PlaylistFormat::Pls, marked, PathMode::Never), none);
}

TEST(PlaylistFormats, StyleChoosesTheFormat) {
    EXPECT_EQ(formatForStyle(1), PlaylistFormat::Pls);
    for (int style : {0, 2, -1, 7})
        EXPECT_EQ(formatForStyle(style), PlaylistFormat::M3u) << style;
}
