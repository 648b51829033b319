#include "core/playlist/PlaylistFormat.h"
#include "core/playlist/PlaylistDialog.h"
#include "core/playlist/PlaylistFormats.h"
#include "core/playlist/RecordedSongInfo.h"
#include "core/playlist/SaveRefusal.h"
#include "core/text/TextFiles.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const PathStyle win = PathStyle::windows();
const PathStyle posix = PathStyle::posix();
using Format = PlaylistFormat;

QString read(Format format, const QByteArray& bytes, const PathStyle& style = posix) {
    QStringList texts;
    for (const Entry& e : parsePlaylist(format, bytes, style))
        texts << e.text();
    return texts.join(u'|');
}

QByteArray bytesOf(const WrittenPlaylist& written) {
    EXPECT_TRUE(written.ok()) << written.refused.size() << " entries were refused";
    return written.bytes;
}

const QVector<Entry> kTwo{{u"Song.mp3"_s, u"c:\\music"_s}, {u"Other.mp3"_s, u"d:\\rock"_s}};
} // namespace

TEST(PlaylistFormats, ReadSongLinesFileAddressesStreamsAndExtendedPlaylists) {
    EXPECT_EQ(read(Format::M3u, "#EXTM3U\r\n#EXTINF:215,A - T\r\nC:\\Music\\Song.mp3\r\n", win),
              u"Song.mp3 {c:\\music}");
    EXPECT_EQ(
        read(Format::M3u, "#extm3u\r\n\r\n   \r\n  /M/A.mp3  \r\n# x\r\nM/R.mp3\r\nB\n/M/A.mp3"),
        u"#extm3u {}|A.mp3 {/M}|# x {}|R.mp3 {M}|B {}|A.mp3 {/M}");
    EXPECT_EQ(read(Format::M3u, "\t\t#EXTINF:-1,Radio\r\n \t/M/T.mp3\t \r\n\t\r\n"), u"T.mp3 {/M}")
        << "tabs are blanks too, at either end";
    EXPECT_EQ(read(Format::M3u, "a\r\nb\rc\nd\n\re\r\r\nf\n\ng\r\n"),
              u"a {}|b {}|c {}|d {}|e {}|f {}|g {}")
        << "CR LF, lone CR, lone LF; LF CR is two line ends";
    EXPECT_EQ(read(Format::Pls,
                   "[playlist]\r\nFile1=C:\\M\\S.mp3\r\nTitle1=T\r\nLength1=2\r\n"
                   "FILE2=B.mp3\r\nNumberOfEntries=2\r\nVersion=2\r\n",
                   win),
              u"S.mp3 {c:\\m}|B.mp3 {}");
    EXPECT_EQ(read(Format::Pls, "file2=/M/2\n  file1 =  /M/1 \nfile3=/M/a=b\nfile4\nfile5=\n"
                                "file6=  \nNumberOfEntries=99"),
              u"2 {/M}|1 {/M}|a=b {/M}|file4 {}");
    // UTF-8 after a byte-order mark, the locale's encoding (UTF-8 here) without one.
    EXPECT_EQ(read(Format::M3u, "\xEF\xBB\xBF#EXTM3U\r\n/M/\xC3\x9C\r\n/M/\xC3\x9C"),
              u"Ü {/M}|Ü {/M}");
    // Only the file's first mark is skipped: one that begins a later line is part of a name.
    const QVector<Entry> marked = parseM3u("\xEF\xBB\xBF/a\n\xEF\xBB\xBF/b\n", posix);
    EXPECT_EQ(marked.value(1), (Entry{u"b"_s, QChar(0xFEFF)}));
    EXPECT_EQ(bytesOf(writeM3u(marked, PathMode::Always, u"/L"_s, posix)),
              QByteArray("/a\r\n\xEF\xBB\xBF/b\r\n"));
    // A line that is not UTF-8 comes from an older program: Windows-1252. The UTF-8 lines of
    // the same file stay UTF-8.
    EXPECT_EQ(read(Format::M3u, "/M/Caf\xE9.mp3\r\n/M/\x80 \x93q\x94.mp3\n/M/Caf\xC3\xA9 2.mp3\r"),
              u"Café.mp3 {/M}|€ “q”.mp3 {/M}|Café 2.mp3 {/M}");
    EXPECT_EQ(read(Format::Pls, "File1=/M/Caf\xE9.mp3\n"), u"Café.mp3 {/M}");
    // Long files are read in blocks: no line is cut where a block ends, however long it is, and a
    // CR LF across the end is one line end.
    QList<qsizetype> lengths;
    forEachPlaylistLine(QByteArray(65535, 'x') + "\r\n/M/song.mp3\r\n/" + QByteArray(70000, 'y'),
                        [&](QStringView line) { lengths << line.size(); });
    EXPECT_EQ(lengths, (QList<qsizetype>{65535, 11, 70001}));
    // File addresses are read as paths, streams kept whole.
    const QByteArray radio = "http://radio.example/live/a.mp3?id=7&q=b/c";
    EXPECT_EQ(read(Format::M3u, "file:///home/u/Music/My%20Song%20%C3%A9.mp3\r\n"
                                "file://localhost/M/100%25.mp3\nFILE:///M:/x.mp3\nc://M/y.mp3\n"
                                "file://server/s/a.mp3\nfile:///M/caf%E9.mp3\n" +
                                    radio),
              u"My Song é.mp3 {/home/u/Music}|100%.mp3 {/M}|x.mp3 {/M:}|y.mp3 {c://M}|"
              u"file://server/s/a.mp3|file:///M/caf%E9.mp3|"_s +
                  QString::fromUtf8(radio));
    EXPECT_EQ(
        read(Format::Pls, "File1=file:///home/u/Music/Track%201.mp3\nFile2=mms://s.example/x"),
        u"Track 1.mp3 {/home/u/Music}|mms://s.example/x");
    EXPECT_EQ(read(Format::M3u, "file:///C:/Music/A%20B.mp3", win), u"A B.mp3 {c:\\music}");
    // Streams are written back byte for byte, whatever the path mode.
    const QVector<Entry> songs = parseM3u(radio + "\nrtsp://h/M/b c.mp3\n", posix);
    for (Format format : {Format::M3u, Format::Pls})
        for (PathMode mode : {PathMode::Never, PathMode::Always, PathMode::Decide}) {
            const QByteArray bytes = bytesOf(writePlaylist(format, songs, mode, u"/M/L"_s, posix));
            EXPECT_TRUE(bytes.contains(radio + "\r\n") && bytes.contains("rtsp://h/M/b c.mp3\r\n"));
            EXPECT_EQ(parsePlaylist(format, bytes, posix), songs) << bytes.constData();
        }
    // Extended playlists read back as their songs.
    const QVector<SongInfo> info{{u"Artist - Title"_s, 215}, {u"Two\nLines"_s, -1}};
    const QByteArray m3u = "#EXTM3U\r\n#EXTINF:215,Artist - Title\r\nc:\\music\\Song.mp3\r\n"
                           "#EXTINF:-1,Two Lines\r\nd:\\rock\\Other.mp3\r\n";
    const QByteArray pls = "[playlist]\r\nfile1=c:\\music\\Song.mp3\r\nTitle1=Artist - Title\r\n"
                           "Length1=215\r\nfile2=d:\\rock\\Other.mp3\r\nTitle2=Two Lines\r\n"
                           "Length2=-1\r\nNumberOfEntries=2\r\n";
    for (const auto& [format, bytes] : {std::pair(Format::M3u, m3u), std::pair(Format::Pls, pls)}) {
        EXPECT_EQ(bytesOf(writeExtendedPlaylist(format, kTwo, info, PathMode::Always, u"L"_s, win)),
                  bytes);
        EXPECT_EQ(parsePlaylist(format, bytes, win), kTwo);
        EXPECT_EQ(recordedSongInfo(format, bytes),
                  (QVector<SongInfo>{info[0], {u"Two Lines"_s, -1}}));
    }
    // Lengths are whole seconds; a song line without a number has nothing recorded.
    EXPECT_EQ(recordedSongInfo(Format::Pls,
                               "File=a\nLength0=5\n=x\nfile2=b\nLength2=17.6\nTitle2=B\n"
                               "Length3=+3\nfile3=c\n"),
              (QVector<SongInfo>{{}, {u"B"_s, 17}, {}}));
}

TEST(PlaylistFormats, WriteCrLfLinesAsThePathModeGivesThemThatReadBack) {
    const QString mix = u"C:\\Music\\Mix"_s; // Windows folders compare without regard to case
    EXPECT_EQ(bytesOf(writeM3u(kTwo, PathMode::Decide, mix, win)),
              QByteArray("Song.mp3\r\nd:\\rock\\Other.mp3\r\n"));
    EXPECT_EQ(bytesOf(writeM3u(kTwo, PathMode::Never, mix, win)),
              QByteArray("Song.mp3\r\nOther.mp3\r\n"));
    // POSIX folders compare exactly: /music is not /Music. The root folder holds a playlist too.
    QVector<Entry> songs{{u"S.mp3"_s, u"/music"_s}, {u"R.mp3"_s, u"/"_s}, {u"B.mp3"_s, {}}};
    EXPECT_EQ(bytesOf(writeM3u(songs, PathMode::Decide, u"/Music/L"_s, posix)),
              QByteArray("/music/S.mp3\r\n/R.mp3\r\nB.mp3\r\n"));
    EXPECT_EQ(bytesOf(writeM3u(songs, PathMode::Decide, u"/L"_s, posix)),
              QByteArray("/music/S.mp3\r\nR.mp3\r\nB.mp3\r\n"));
    EXPECT_EQ(bytesOf(writeM3u({}, PathMode::Always, mix, win)), QByteArray());
    EXPECT_EQ(bytesOf(writePls(kTwo, PathMode::Always, mix, win)),
              QByteArray("[playlist]\r\nfile1=c:\\music\\Song.mp3\r\nfile2=d:\\rock\\Other.mp3\r\n"
                         "NumberOfEntries=2\r\n"));
    const QByteArray twelve =
        bytesOf(writePls(QVector<Entry>(12, {u"a"_s, {}}), PathMode::Decide, u"/L"_s, posix));
    EXPECT_TRUE(twelve.contains("\r\nfile9=a\r\nfile10=a\r\nfile11=a\r\nfile12=a\r\n"));
    EXPECT_TRUE(twelve.endsWith("\r\nNumberOfEntries=12\r\n"));
    // Names that look like something else read back in every format and path mode.
    songs.clear();
    for (const QString& name :
         {u"Here"_s, u"  blanks"_s, u"{brace"_s, u"a=b #EXT"_s, u"Live {2001}"_s, u"Ünï 東京"_s})
        songs << Entry{name, songs.size() % 2 ? u"/O F"_s : u"/Music"_s};
    songs << Entry{u"Root"_s, u"/"_s} << Entry{u"Bare"_s, {}};
    for (Format format : {Format::M3u, Format::Pls})
        for (PathMode mode : {PathMode::Always, PathMode::Decide}) {
            QVector<Entry> expected = songs;
            for (Entry& song : expected)
                if (mode == PathMode::Decide && song.folder == u"/Music")
                    song.folder.clear(); // beside the playlist: written as a bare name
            const WrittenPlaylist written =
                writePlaylist(format, songs, mode, u"/Music/L"_s, posix);
            EXPECT_EQ(parsePlaylist(format, bytesOf(written), posix), expected) << int(mode);
        }
}

TEST(PlaylistFormats, RefuseSongsWhoseLineWouldNotReadBack) {
    const Entry fine{u"Fine.mp3"_s, u"/M"_s};
    const auto refused = [&](Format format, const Entry& song, PathMode mode) {
        const WrittenPlaylist written = writePlaylist(format, {fine, song}, mode, u"/M/L"_s, posix);
        EXPECT_EQ(written.bytes.isEmpty(), !written.ok()) << "a refused file has no bytes";
        return written.ok() ? LineFault::None : written.refused.value(0).fault;
    };
    using enum LineFault;
    const QString notText = u"bad"_s + QChar::ReplacementCharacter;
    for (Format f : {Format::M3u, Format::Pls}) {
        EXPECT_EQ(refused(f, {u"Two\nLines"_s, u"/M"_s}, PathMode::Never), LineBreak);
        EXPECT_EQ(refused(f, {u"A"_s, u"/x\ry"_s}, PathMode::Always), LineBreak);
        EXPECT_EQ(refused(f, {QChar(0xD800) + u".mp3"_s, {}}, PathMode::Never), Encoding);
        EXPECT_EQ(refused(f, {notText, {}}, PathMode::Never), NotText);
        // A bare name the reader would not give back is written with its full path instead.
        const Entry lead{u" Lead"_s, u"/M"_s};
        for (PathMode mode : {PathMode::Never, PathMode::Decide}) {
            const WrittenPlaylist written = writePlaylist(f, {fine, lead}, mode, u"/M/L"_s, posix);
            EXPECT_EQ(parsePlaylist(f, bytesOf(written), posix).value(1), lead) << int(mode);
        }
        EXPECT_EQ(refused(f, {u"Trail "_s, u"/M"_s}, PathMode::Always), ReadAsOther);
        EXPECT_EQ(refused(f, {QString(), {}}, PathMode::Never), ReadAsOther);
        EXPECT_EQ(refused(f, {u"b"_s, u"a0.9://M"_s}, PathMode::Always), ReadAsOther);
        EXPECT_EQ(refused(f, {u"ftp://h/b"_s, {}, true}, PathMode::Always), None);
    }
    EXPECT_EQ(refused(Format::M3u, {u"#EXTRA"_s, {}}, PathMode::Decide), ReadAsOther);
    EXPECT_EQ(refused(Format::Pls, {u"#EXTRA"_s, {}}, PathMode::Decide), None);
    const WrittenPlaylist marked =
        writeM3u({{QChar(0xFEFF) + u"b"_s, {}}}, PathMode::Never, u"/L"_s, posix);
    EXPECT_EQ(marked.refused, QVector<RefusedSong>({{0, ReadAsOther}}))
        << "a mark opening the file is read as a byte-order mark";
    EXPECT_EQ(refusalText({fine}, {{0, LineBreak}}, posix),
              u"The song \"/M/Fine.mp3\" cannot be saved in this playlist: its name holds a line "
              "break.\nNothing was saved."_s);
    QVector<Entry> songs{fine};
    for (int i = 0; i < 13; ++i)
        songs << Entry{u"Bad %1.mp3 "_s.arg(i), u"/M"_s};
    const WrittenPlaylist many = writeM3u(songs, PathMode::Always, u"/L"_s, posix);
    ASSERT_EQ(many.refused.size(), 13);
    const QString text = refusalText(songs, many.refused, posix);
    EXPECT_TRUE(text.startsWith(u"These 13 songs cannot be saved in this playlist:\n\"/M/Bad 0.mp3 "
                                "\": its line would be read back as another file"_s))
        << text.toStdString();
    EXPECT_FALSE(text.contains(u"/M/Bad 10.mp3 "_s));
    EXPECT_TRUE(text.endsWith(u".\n…and 3 more.\nNothing was saved."_s)) << text.toStdString();
    EXPECT_EQ(refusalText(songs, many.refused.first(2), posix).count(u".mp3 \": "_s), 2);
}

TEST(PlaylistFormats, TheTableKnowsAFileByItsFirstLineThenByItsEnding) {
    EXPECT_EQ(formatOfName(u"/a.b/Mix.PLS"_s), Format::Pls);
    EXPECT_EQ(formatOfName(u"mix.m3u8"_s), Format::M3u);
    EXPECT_EQ(formatOfName(u"mix.m3u.txt"_s), std::nullopt);
    EXPECT_EQ(formatOfName(u"/lists.pls/mix"_s), std::nullopt);
    EXPECT_EQ(formatOfContent("\xEF\xBB\xBF \r\n\t[PlayList] \r\nFile1=a"), Format::Pls);
    EXPECT_EQ(formatOfContent("#EXTM3U\n/a.mp3"), Format::M3u);
    EXPECT_EQ(formatOfContent("/a.mp3\n[playlist]"), std::nullopt);
    // Content first, then the ending, then what the caller would choose.
    EXPECT_EQ(formatOfFile(u"mix.m3u"_s, "[playlist]\r\n", Format::M3u), Format::Pls);
    EXPECT_EQ(formatOfFile(u"mix.pls"_s, "/a.mp3\r\n", Format::M3u), Format::Pls);
    EXPECT_EQ(formatOfFile(u"mix.m3u"_s, "/a.mp3\r\n", Format::Pls), Format::M3u);
    EXPECT_EQ(formatOfFile(u"mix.txt"_s, "/a.mp3\r\n", Format::Pls), Format::Pls);
    FileDialogRequest dialog;
    setDialogForStyle(dialog, Format::Pls);
    EXPECT_EQ(dialog.filter + dialog.defaultExt, u"Playlists (*.pls)|*.pls.pls");
    setDialogForStyle(dialog, Format::M3u);
    EXPECT_EQ(dialog.filter + dialog.defaultExt, u"Playlists (*.m3u)|*.m3u.m3u");
}
