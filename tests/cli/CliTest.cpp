#include "support/FileBytes.h"
#include "support/Id3v2Bytes.h"
#include "support/SongBytes.h"

#include <QProcess>

using namespace Qt::StringLiterals;

// velmora-cli as a user runs it: the built program on real files, given words as a shell does.
namespace {
struct CliRun {
    int status;
    QByteArray out, err;
};

struct Cli : TempFolder {
    // Runs the shell line with "$0" set to velmora-cli.
    CliRun shell(const QString& line) {
        QProcess p;
        p.setWorkingDirectory(tmp.path());
        p.start(u"/bin/sh"_s, {u"-c"_s, line, QStringLiteral(VELMORA_CLI)});
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput(), p.readAllStandardError()};
    }
    CliRun run(const QString& words) { return shell(u"exec \"$0\" "_s + words); }
};
} // namespace

TEST_F(Cli, ExitStatusesUsageErrorsAndHostileInputThatLoseNothing) {
    EXPECT_EQ(run(u"--version"_s).out, "velmora-cli 1.7\n");
    EXPECT_EQ(run(u"header --help && \"$0\" tag -h && \"$0\" playlist --help"_s).status, 0);
    const QString song = writeFile(u"song.mp3"_s, mpegFrame());
    for (const char* bad :
         {"", "frobnicate", "playlist show list.txt", "tag song.mp3 --set mood=x",
          "playlist write --paths sometimes a.m3u b.mp3", "playlist write a.m3u b.mp3 --bogus",
          "playlist write a.m3u b.mp3 --paths", "tag song.mp3 --set genre=256",
          "playlist convert a.m3u b.txt", "tag song.mp3 --set track=256",
          "tag song.mp3 --set genre=Nonesuch", "playlist check", "playlist check list.txt"})
        EXPECT_EQ(run(QString::fromLatin1(bad)).status, 2) << bad;
    EXPECT_EQ(readBytes(song), mpegFrame());
    EXPECT_FALSE(QFile::exists(path(u"a.m3u"_s)));
    // Hostile input fails its own file only. Linux allows any bytes in a name: one not UTF-8.
    QDir(tmp.path()).mkdir(u"folder.mp3"_s);
    const CliRun odd =
        run(u"header --json \"$(printf 'bad\\377.mp3')\" folder.mp3 gone.mp3 song.mp3"_s);
    EXPECT_EQ(odd.status, 1);
    const QList<QByteArray> lines = odd.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(lines[i].contains(R"("ok":false,"error":")")) << lines[i].constData();
    EXPECT_TRUE(lines[3].contains(R"("ok":true)"));
    EXPECT_TRUE(run(u"tag --json gone.mp3"_s)
                    .out.startsWith(R"({"file":"gone.mp3","hasTag":false,"error":")"));
    // Without --json the reason goes to stderr, and the status says so too.
    const CliRun plain = run(u"header song.mp3 gone.mp3 song.mp3"_s);
    const QByteArray report = run(u"header song.mp3"_s).out, tag = run(u"tag song.mp3"_s).out;
    EXPECT_EQ(std::tuple(plain.status, plain.out), std::tuple(1, report + '\n' + report));
    EXPECT_EQ(run(u"tag song.mp3 song.mp3"_s).out, tag + '\n' + tag);
    EXPECT_TRUE(plain.err.startsWith("gone.mp3: ")) << plain.err.constData();
    const QString keep = writeFile(u"keep.m3u"_s, "Old.mp3\r\n");
    const CliRun broken = run(u"playlist write keep.m3u \"/a/Line$(printf '\\nB')reak.mp3\""_s);
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.contains("reak.mp3")) << broken.err.constData();
    EXPECT_EQ(readBytes(keep), "Old.mp3\r\n");
}

TEST_F(Cli, EachCommandAnswersOneJsonLinePerFile) {
    writeFile(u"a.mp3"_s, mpegFrame() + id3v1Tag({.title = "T\"1", .track = 7, .genre = 17}));
    writeFile(u"mix.m3u"_s, "/music/Rock/Song.mp3\r\nBare.mp3\r\n");
    EXPECT_EQ(run(u"header --json a.mp3"_s).out,
              R"({"file":"a.mp3","ok":true,"version":"1","layer":3,"bitrate":128,)"
              R"("bitrate_mode":"CBR","average_bitrate":128,"frequency":44100,)"
              R"("mode":"Joint-Stereo","riff":false,"duration_ms":26})"
              "\n");
    // Names beyond ASCII, down to the first character past it, are given back as UTF-8.
    writeFile(u"東京"_s, mpegFrame());
    writeFile(u"\u0080"_s, mpegFrame());
    const QByteArray names = run(u"header --json 東京 \"$(printf '\\302\\200')\""_s).out;
    EXPECT_TRUE(names.startsWith(R"({"file":"東京","ok":true,)") &&
                names.contains("\n{\"file\":\"\xC2\x80\",\"ok\":true,"))
        << names.constData();
    EXPECT_EQ(run(u"tag a.mp3"_s).out,
              "File:\t\ta.mp3\nTitle:\t\tT\"1\nArtist:\t\t\nAlbum:\t\t\nYear:\t\t\nComment:"
              "\t\nTrack:\t\t7\nGenre:\t\t17 Rock\n");
    EXPECT_EQ(run(u"tag --json a.mp3"_s).out,
              R"({"file":"a.mp3","hasTag":true,"title":"T\"1","artist":"","album":"",)"
              R"("year":"","comment":"","track":7,"genre":17,"genreName":"Rock"})"
              "\n");
    writeFile(u"0.mp3"_s, mpegFrame() + id3v1Tag({.genre = 200, .marker = 'A'})); // ID3v1.0
    EXPECT_TRUE(run(u"tag --json 0.mp3"_s)
                    .out.endsWith(R"("track":null,"genre":200,"genreName":null})"
                                  "\n"));
    EXPECT_EQ(run(u"playlist show --json mix.m3u"_s).out,
              R"({"entry":"Song.mp3 {/music/Rock}","name":"Song.mp3","folder":"/music/Rock",)"
              R"("path":"/music/Rock/Song.mp3"})"
              "\n"
              R"({"entry":"Bare.mp3 {}","name":"Bare.mp3","folder":"","path":"Bare.mp3"})"
              "\n");
    // --set writes what the tag window would: the genre byte it does not name stays.
    const QString b = writeFile(u"b.mp3"_s, mpegFrame() + id3v1Tag({.title = "Old", .genre = 200}));
    EXPECT_EQ(run(u"tag b.mp3 --set title=New year=1999"_s).status, 0);
    EXPECT_EQ(readBytes(b), mpegFrame() + id3v1Tag({.title = "New", .year = "1999", .genre = 200}));
    EXPECT_EQ(run(u"tag b.mp3 --set genre=255"_s).status, 0) << "255 is no genre";
    EXPECT_EQ(readBytes(b), mpegFrame() + id3v1Tag({.title = "New", .year = "1999"}));
}

TEST_F(Cli, ManyFilesAnswerInTheOrderGivenFromArgumentsOrStdin) {
    QStringList names;
    for (int i = 0; i < 200; ++i) // not in any sorted order
        names << writeFile(u"s%1.mp3"_s.arg((i * 7919) % 200), mpegFrame()).section(u'/', -1);
    const CliRun given = run(u"header --json "_s + names.join(u' '));
    qsizetype at = 0;
    for (const QString& name : names)
        ASSERT_GT(at = given.out.indexOf(R"({"file":")" + name.toUtf8() + '"', at), -1)
            << qPrintable(name);
    writeFile(u"list.txt"_s, names.join(u'\n').toUtf8() + "\n\n");
    // Names that come slowly take longer than the progress line waits for.
    const CliRun piped = shell(u"{ sleep 1.2; cat list.txt; } | \"$0\" header --json -"_s);
    EXPECT_EQ(piped.out, given.out);
    EXPECT_EQ(given.err + piped.err, "") << "no progress line when stderr is not a terminal";
    // On a terminal, only a run over a second shows how far it got, and clears that at the end.
    const QString onTerminal =
        u"V=\"$0\" exec script -qec '%1 | \"$V\" header --json - >/dev/null' /dev/null"_s;
    EXPECT_EQ(shell(onTerminal.arg(u"cat list.txt"_s)).out, "");
    const QByteArray slow = shell(onTerminal.arg(u"{ sleep 1.2; cat list.txt; }"_s)).out;
    EXPECT_TRUE(slow.startsWith("\rheader: 1 files") && slow.endsWith("\r\x1b[K"))
        << slow.toHex().constData();
}

TEST_F(Cli, ExtendedPlaylistsCarryTitleAndLengthAndReadBack) {
    // 39 frames of 417 bytes at 128 kbit/s: about a second of audio.
    writeFile(u"Tagged.mp3"_s,
              mpegFrame().repeated(39) + id3v1Tag({.title = "Title", .artist = "Artist"}));
    writeFile(u"B.mp3"_s, mpegFrame());
    const QByteArray radio = "http://r.example/s?q=1";
    EXPECT_EQ(
        run(u"playlist write --extended ext.m3u Tagged.mp3 B.mp3 '"_s + radio + u"'"_s).status, 0);
    EXPECT_EQ(readBytes(path(u"ext.m3u"_s)),
              "#EXTM3U\r\n#EXTINF:1,Artist - Title\r\nTagged.mp3\r\n#EXTINF:0,B.mp3\r\nB.mp3\r\n"
              "#EXTINF:-1," +
                  radio + "\r\n" + radio + "\r\n");
    EXPECT_EQ(run(u"playlist convert --extended ext.m3u ext.pls"_s).status, 0);
    EXPECT_TRUE(
        readBytes(path(u"ext.pls"_s)).contains("\r\nTitle1=Artist - Title\r\nLength1=1\r\n"));
    EXPECT_EQ(run(u"playlist show ext.pls"_s).out, "Tagged.mp3 {}\nB.mp3 {}\n" + radio + "\n");
    EXPECT_EQ(shell(u"\"$0\" playlist write --format PLS p.txt Tagged.mp3 && cat p.txt"_s).out,
              "[playlist]\r\nfile1=Tagged.mp3\r\nNumberOfEntries=1\r\n");
}

TEST_F(Cli, TagReadsTheId3v2Tag) {
    writeFile(u"v2.mp3"_s, id3v2Tag(4,
                                    id3v2Frame(4, "TIT2", id3v2Text(3, u"With Cover"_s)) +
                                        id3v2Frame(4, "TPE1", id3v2Text(1, u"Cover Artist"_s)) +
                                        id3v2Frame(4, "TRCK", id3v2Text(0, u"2/9"_s)) +
                                        id3v2Frame(4, "TCON", id3v2Text(0, u"17"_s)),
                                    256) +
                               mpegFrame());
    EXPECT_EQ(run(u"tag --json v2.mp3"_s).out,
              R"({"file":"v2.mp3","hasTag":false,"id3v2":{"version":"2.4","title":"With Cover",)"
              R"("artist":"Cover Artist","album":"","year":"","comment":"","track":2,)"
              R"("genre":"Rock"}})"
              "\n");
    EXPECT_EQ(run(u"tag v2.mp3"_s).out, "File:\t\tv2.mp3\nNo ID3v1 tag.\nID3v2.4 tag:\n"
                                        "Title:\t\tWith Cover\nArtist:\t\tCover Artist\n"
                                        "Album:\t\t\nYear:\t\t\nComment:\t\nTrack:\t\t2\n"
                                        "Genre:\t\tRock\n");
}

TEST_F(Cli, PlaylistCheckPrintsEachMissingSongAndFailsOnIt) {
    writeFile(u"sub/Here.mp3"_s, mpegFrame());
    writeFile(u"sub/mix.m3u"_s,
              "Here.mp3\r\nGone.mp3\r\nhttp://r.example/live\r\n/nowhere/A.mp3\r\n");
    writeFile(u"ok.pls"_s, "[playlist]\r\nfile1=sub/Here.mp3\r\n");
    const QByteArray gone = tmp.filePath(u"sub/Gone.mp3"_s).toUtf8();
    const CliRun text = run(u"playlist check ok.pls sub/mix.m3u"_s);
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.out, "sub/mix.m3u: " + gone + "\nsub/mix.m3u: /nowhere/A.mp3\n");
    EXPECT_TRUE(run(u"playlist check --json sub/mix.m3u"_s)
                    .out.startsWith(R"({"playlist":"sub/mix.m3u","entry":"Gone.mp3 {}","path":")" +
                                    gone + "\"}\n"));
    EXPECT_EQ(run(u"playlist check ok.pls"_s).status, 0);
    const CliRun unread = run(u"playlist check gone.m3u ok.pls"_s);
    EXPECT_EQ(std::tuple(unread.status, unread.out), std::tuple(1, QByteArray()));
    EXPECT_TRUE(unread.err.startsWith("gone.m3u: ")) << unread.err.constData();
}

TEST_F(Cli, PlaylistRelinkReportsEachMissingSongAndRewritesOnlyWhenAsked) {
    const QByteArray lib = tmp.filePath(u"lib"_s).toUtf8();
    writeFile(u"lib/A/Moved.mp3"_s, "");
    writeFile(u"lib/A/Twice.mp3"_s, "");
    writeFile(u"lib/B/Twice.mp3"_s, "");
    const QByteArray before = "/old/A/Moved.mp3\r\n/old/C/Twice.mp3\r\nLost.mp3\r\n";
    const QString list = writeFile(u"mix.m3u"_s, before);
    for (const char* bad :
         {"playlist relink mix.m3u", "playlist relink --in lib",
          "playlist relink mix.m3u --in nowhere", "playlist relink mix.txt --in lib",
          "playlist relink mix.m3u --in lib --format"})
        EXPECT_EQ(run(QString::fromLatin1(bad)).status, 2) << bad;
    const CliRun dry = run(u"playlist relink --dry-run mix.m3u --in lib"_s);
    EXPECT_EQ(dry.status, 1);
    EXPECT_EQ(dry.out, QByteArray("/old/A/Moved.mp3 -> @/A/Moved.mp3\nambiguous: /old/C/Twice.mp3 "
                                  "(2 candidates)\n  @/A/Twice.mp3\n  @/B/Twice.mp3\nnot found: "
                                  "~/Lost.mp3\nmix.m3u: 1 relinked, 1 ambiguous, 1 not found "
                                  "(dry run: not rewritten)\n")
                           .replace('@', lib)
                           .replace('~', tmp.path().toUtf8()));
    EXPECT_EQ(readBytes(list), before);
    const CliRun json = run(u"playlist relink --json mix.m3u --in lib"_s);
    EXPECT_TRUE(
        json.out.contains(R"("status":"ambiguous","candidates":[")" + lib + "/A/Twice.mp3\",\""))
        << json.out.constData();
    EXPECT_EQ(readBytes(list), lib + "/A/Moved.mp3\r\n/old/C/Twice.mp3\r\nLost.mp3\r\n");
    writeFile(u"ok.m3u"_s, "lib/A/Moved.mp3\r\n");
    const CliRun ok = run(u"playlist relink ok.m3u --in lib"_s);
    EXPECT_EQ(std::tuple(ok.status, ok.out),
              std::tuple(0, QByteArray("ok.m3u: 0 relinked, 0 ambiguous, 0 not found\n")));
}
