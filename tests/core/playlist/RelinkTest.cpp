#include "core/playlist/RelinkPlaylistFile.h"
#include "support/FileBytes.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {
// A library under "new" of the temporary folder; the playlists name songs under "old", which
// is gone.
class Relink : public TempFolder {
protected:
    QString song(const QString& name) { return writeFile(u"new/"_s + name, ""); }
    LibraryIndex library() const {
        LibraryIndex index(PathStyle::posix());
        EXPECT_TRUE(index.addFolder(path(u"new"_s)));
        return index;
    }
    Entry old(const QString& path) const {
        return entryFromPath(this->path(u"old/"_s + path), PathStyle::posix());
    }
    QVector<RelinkedEntry> relink(const QVector<Entry>& entries,
                                  const QVector<qint64>& seconds = {},
                                  const SongSeconds& songSeconds = songSecondsOfFile) const {
        return relinkMissing(entries, path({}), library(), seconds, songSeconds,
                             PathStyle::posix());
    }
};
} // namespace

TEST_F(Relink, ASongFoundByItsNameAndTheLongestTailOfFoldersIsThatFileAndOthersStay) {
    const QString moved = song(u"Rock/Band/01 Song.mp3"_s);
    const QString there = writeFile(u"here/02 Other.mp3"_s, "");
    song(u"Elsewhere/02 Other.mp3"_s);
    song(u"Pop/01 song.mp3"_s); // another name on a file system that keeps case
    song(u"Pop/Cover.MP3"_s);   // the ending in any case is a song
    song(u"Pop/Cover.m4a"_s);   // not a song, nor is a hidden file without a name
    song(u"Pop/.mp3"_s);
    song(u"live.mp3"_s);
    song(u"01.mp3"_s);
    song(u"Other/Album/01.mp3"_s);
    const QString right = song(u"Music/Artist/Album/01.mp3"_s);
    song(u"Music/Artist/Album2/01.mp3"_s);
    // A link back up the tree, even one named like a song, is not followed: the walk ends, and
    // finds nothing twice. A link to a song is a song.
    ASSERT_TRUE(QFile::link(path(u"new"_s), path(u"new/Rock/loop.mp3"_s)));
    ASSERT_TRUE(QFile::link(moved, path(u"new/Linked.mp3"_s)));
    const Entry stream = entryFromLine(u"http://radio.example/live.mp3", PathStyle::posix());
    const QVector<RelinkedEntry> r =
        relink({old(u"Band/01 Song.mp3"_s), entryFromPath(there, PathStyle::posix()),
                old(u"Cover.MP3"_s), old(u"Artist/Album/01.mp3"_s), stream});
    ASSERT_EQ(r.size(), 5);
    EXPECT_EQ(r[0].outcome, RelinkOutcome::Found);
    EXPECT_EQ(fullPath(r[0].entry, PathStyle::posix()), moved);
    EXPECT_EQ(r[0].oldPath, path(u"old/Band/01 Song.mp3"_s));
    EXPECT_EQ(r[1].outcome, RelinkOutcome::Kept);
    EXPECT_EQ(fullPath(r[1].entry, PathStyle::posix()), there);
    EXPECT_EQ(r[2].outcome, RelinkOutcome::Found);
    EXPECT_EQ(r[3].outcome, RelinkOutcome::Found);
    EXPECT_EQ(fullPath(r[3].entry, PathStyle::posix()), right);
    EXPECT_EQ(std::pair(r[4].outcome, r[4].entry), std::pair(RelinkOutcome::Kept, stream));
    EXPECT_EQ(library().size(), 10);
    EXPECT_FALSE(LibraryIndex(PathStyle::posix()).addFolder(path(u"gone"_s)));
}

TEST_F(Relink, ATieIsBrokenByThePlayingTimeRecordedOrLeftAsItWasWithItsCandidatesNamed) {
    const QString shorter = song(u"A/Disc/Intro.mp3"_s);
    const QString longer = song(u"B/Disc/Intro.mp3"_s);
    const auto seconds = [&](const QString& path) -> qint64 { return path == longer ? 95 : 61; };
    // The time written in the playlist's #EXTINF line decides, within a second.
    writeFile(u"list.m3u"_s, "#EXTM3U\r\n#EXTINF:94,Band - Intro\r\n" +
                                 path(u"old/Disc/Intro.mp3"_s).toUtf8() + "\r\n");
    const PlaylistRelink file = relinkPlaylistFile(path(u"list.m3u"_s), PlaylistFormat::M3u,
                                                   library(), true, seconds, PathStyle::posix());
    ASSERT_EQ(file.entries.size(), 1);
    EXPECT_EQ(file.entries[0].outcome, RelinkOutcome::Found);
    EXPECT_EQ(fullPath(file.entries[0].entry, PathStyle::posix()), longer);
    // A PLS file's LengthN names the song of its fileN key.
    writeFile(u"list.pls"_s, "[playlist]\r\nLength2=61\r\nfile2=" +
                                 path(u"old/Disc/Intro.mp3"_s).toUtf8() + "\r\nLength1=95\r\n");
    const PlaylistRelink pls = relinkPlaylistFile(path(u"list.pls"_s), PlaylistFormat::Pls,
                                                  library(), true, seconds, PathStyle::posix());
    EXPECT_EQ(fullPath(pls.entries[0].entry, PathStyle::posix()), shorter);
    EXPECT_EQ(pls.counts.found, 1);
    const auto same = [](const QString&) -> qint64 { return 61; };
    const Entry intro = old(u"Disc/Intro.mp3"_s);
    const Entry gone = old(u"Disc/Gone.mp3"_s);
    // Without a recorded time, and with one that both files match, nothing decides.
    for (const QVector<qint64>& recorded : {QVector<qint64>{}, QVector<qint64>{60, -1}}) {
        const QVector<RelinkedEntry> r = relink({intro, gone}, recorded, same);
        EXPECT_EQ(r[0].outcome, RelinkOutcome::Ambiguous);
        EXPECT_EQ(r[0].entry, intro);
        EXPECT_EQ(r[0].candidates, QStringList({shorter, longer}));
        EXPECT_EQ(r[1].outcome, RelinkOutcome::NotFound);
        EXPECT_EQ(r[1].entry, gone);
        const RelinkCounts counts = countOutcomes(r);
        EXPECT_EQ(counts.missing(), 2);
        EXPECT_EQ(counts.ambiguous, 1);
    }
}

TEST_F(Relink, AFileKeepsItsOrderFormatAndTheFormOfEachLine) {
    song(u"Band/Moved.mp3"_s);
    song(u"Band/Bare.mp3"_s);
    writeFile(u"lists/Here.mp3"_s, "");
    song(u"Near.mp3"_s);
    const QByteArray before =
        QByteArray("[playlist]\r\nfile1=http://radio.example/live\r\nTitle1=Radio\r\n"
                   "file2=@/Band/Moved.mp3\r\nTitle2=Moved\r\nLength2=100\r\nfile3=Bare.mp3\r\n"
                   "file4=Here.mp3\r\nfile5=Gone.mp3\r\nfile6=../new/Nowhere/Near.mp3\r\n"
                   "NumberOfEntries=6\r\n")
            .replace('@', path(u"old"_s).toUtf8());
    const QString list = writeFile(u"lists/Mix.pls"_s, before);
    const PlaylistRelink dry =
        relinkPlaylistFile(list, PlaylistFormat::Pls, library(), true, {}, PathStyle::posix());
    EXPECT_EQ(dry.counts.found, 3);
    EXPECT_FALSE(dry.written);
    EXPECT_EQ(readBytes(list), before);
    const PlaylistRelink done = relinkPlaylistFile(list, PlaylistFormat::Pls, library(), false,
                                                   songSecondsOfFile, PathStyle::posix());
    EXPECT_TRUE(done.written);
    // The titles and lengths come back; a song not found keeps its bare name.
    QByteArray after =
        "[playlist]\r\nfile1=http://radio.example/live\r\nTitle1=Radio\r\nLength1=-1\r\n"
        "file2=@/Band/Moved.mp3\r\nTitle2=Moved\r\nLength2=100\r\nfile3=@/Band/Bare.mp3\r\n"
        "Title3=\r\nLength3=-1\r\nfile4=Here.mp3\r\nTitle4=\r\nLength4=-1\r\n"
        "file5=Gone.mp3\r\nTitle5=\r\nLength5=-1\r\nfile6=@/Near.mp3\r\nTitle6=\r\n"
        "Length6=-1\r\nNumberOfEntries=6\r\n";
    EXPECT_EQ(readBytes(list), after.replace('@', path(u"new"_s).toUtf8()));
}
