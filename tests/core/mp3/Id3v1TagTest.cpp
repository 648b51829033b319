#include "core/mp3/CurrentTag.h"
#include "core/mp3/GenreList.h"
#include "core/mp3/TagEdits.h"
#include "core/mp3/TagFileAccess.h"
#include "support/ChildProcess.h"
#include "support/FileBytes.h"
#include "support/SongBytes.h"

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {
const QByteArray kAudio = mpegFrame() + mpegFrame();
TagText shown(const Id3v1& t) {
    return decodeTag(TagRecord::fromBytes(id3v1Tag(t)));
}
struct Tags : TempFolder {
    QString song(const QByteArray& bytes) { return writeFile(u"song.mp3"_s, bytes); }
};
} // namespace

TEST_F(Tags, ReadOnlyAnUpperCaseTagAppendOnceOverwriteInPlaceAndNeverLeaveHalfATag) {
    ASSERT_TRUE(FillTag(song(kAudio + id3v1Tag({.title = "Song", .genre = 17}))));
    EXPECT_EQ(CurrentTag.toBytes(), id3v1Tag({.title = "Song", .genre = 17}));
    EXPECT_FALSE(FillTag(song(kAudio + id3v1Tag({.title = "Lower", .header = "tag"}))));
    EXPECT_EQ(CurrentTag.Title, u"Lower"_s.leftJustified(30)) << "the 128 bytes are kept";
    EXPECT_FALSE(FillTag(song("TAG" + QByteArray(100, 'x'))));
    EXPECT_EQ(CurrentTag.Title, u"Lower"_s.leftJustified(30)) << "a short song changes nothing";
    const QString only = song(id3v1Tag({.title = "Only"}));
    ASSERT_TRUE(FillTag(only)) << "a file that is just a tag";
    TagRecord again = CurrentTag;
    ASSERT_EQ(writeTag(only, again).status, TagSaveStatus::Saved);
    EXPECT_EQ(readBytes(only), id3v1Tag({.title = "Only"})) << "is overwritten in place";
    song("cut"); // shorter than a tag since it was read: the tag goes after it
    ASSERT_EQ(writeTag(only, again).status, TagSaveStatus::Saved);
    EXPECT_EQ(readBytes(only), "cut" + id3v1Tag({.title = "Only"}));
    // A tag is appended once, then overwritten in place, never the audio.
    const QString path = song(kAudio);
    TagRecord tag = TagRecord::blank();
    ASSERT_EQ(writeTag(path, tag).status, TagSaveStatus::Saved);
    tag.Title = u"Second"_s;
    ASSERT_EQ(writeTag(path, tag).status, TagSaveStatus::Saved);
    EXPECT_EQ(readBytes(path), kAudio + id3v1Tag({.title = "Second"}));
    for (const qint64 length : {qint64(0), qint64(50'000'000), qint64(50'000'001)}) {
        QFile big(song({}));
        ASSERT_TRUE(big.resize(length)); // sparse
        const bool fits = length == 50'000'000;
        EXPECT_EQ(writeTag(big.fileName(), tag).status,
                  fits ? TagSaveStatus::Saved : TagSaveStatus::BadLength);
        EXPECT_EQ(big.size(), fits ? length + 128 : length);
    }
    // A full disk (the child's soft limit) leaves the song as it was; with room again (up to the
    // hard limit) the next save appends.
    song(kAudio);
    const int status = runWithFileSizeLimit(4096, [&] {
        rlimit tight{qulonglong(kAudio.size() + 50), 4096};
        TagRecord fresh = TagRecord::blank();
        if (setrlimit(RLIMIT_FSIZE, &tight) != 0 || writeTag(path, fresh).error.isEmpty())
            return 1;
        if (fresh.isTag() || readBytes(path) != kAudio)
            return 2; // a later save would overwrite audio, or part of a tag was left behind
        rlimit room{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &room);
        return writeTag(path, fresh).status == TagSaveStatus::Saved ? 0 : 3;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(path), kAudio + id3v1Tag({}));
}

TEST(Tag, ShownTextStopsAtZeroBytesTheTrackFollowsTheMarkerAndEditsAreWrittenAsLatin1) {
    const TagText zeros = shown({.title = "  Padded", .comment = "C", .track = 3, .pad = '\0'});
    EXPECT_EQ(zeros.title + zeros.comment + QString::number(zeros.track.value_or(-1)), u"PaddedC3");
    EXPECT_EQ(shown({.title = QByteArray("Caf\xE9\0ab", 7)}).title, u"Café");
    // Track 0 or 32 is none; a marker other than 0 or 32 ends an ID3v1.0 comment: no track.
    for (const auto& [track, marker, expected] :
         {std::tuple{0, 0, -1}, {32, 32, -1}, {9, 32, 9}, {66, 65, -1}})
        EXPECT_EQ(shown({.track = quint8(track), .marker = quint8(marker)}).track.value_or(-1),
                  expected);
    // Edits are written as ISO-8859-1; only a picked genre changes the byte.
    const TagRecord v10 = TagRecord::fromBytes(
        id3v1Tag({.title = "Old", .artist = "Band", .track = 'B', .genre = 200, .marker = 'A'}));
    EXPECT_EQ(editedTag(v10, {.title = u"New"_s})->toBytes(),
              id3v1Tag({.title = "New", .artist = "Band", .genre = 200}));
    EXPECT_EQ(editedTag(v10, {.genre = 17})->Genre, 17);
    const TagEdits foreign{.title = u"Café Müller ÿ"_s,
                           .artist = u"Ωmega 😀 x"_s,
                           .album = QString(31, u'a'),
                           .year = u"19\u00009"_s};
    const auto saved = editedTag(v10, foreign);
    EXPECT_EQ(saved->toBytes(), id3v1Tag({.title = "Caf\xE9 M\xFCller \xFF",
                                          .artist = "?mega ? x",
                                          .album = QByteArray(30, 'a'),
                                          .year = "19 9",
                                          .genre = 200}))
        << "one ? for each character; no zero byte in a text field";
    // Each text saved otherwise than typed is named, with what is written instead.
    QStringList misfits;
    for (const TagMisfit& m : tagMisfits(foreign))
        misfits << m.field + (m.kind == TagMisfit::Kind::Cut ? u" cut: "_s : u" changed: "_s) +
                       m.written;
    EXPECT_EQ(misfits,
              (QStringList{u"artist changed: ?mega ? x"_s, u"album cut: "_s + QString(30, u'a'),
                           u"year changed: 19 9"_s}));
    const std::pair<const char*, std::optional<quint8>> tracks[] = {
        {"", 0},   {" \t12", 12},        {"2.5", 2},   {"3.5", 4},           {"7x", 7},
        {"x7", 0}, {"-1", std::nullopt}, {"255", 255}, {"256", std::nullopt}};
    for (const auto& [text, track] : tracks) {
        const auto edited = editedTag(v10, {.track = QString::fromLatin1(text)});
        EXPECT_EQ(edited ? std::optional<quint8>(edited->Track) : std::nullopt, track) << text;
    }
}

TEST(Genres, LinesNumbersNamesAndAListThatCannotBeRead) {
    QStringList read;
    for (const Genre& g : parseGenres("017 Rock\r\n17 Rock\r\n\r\n300 Too big\r\n-5 Minus\r\n"
                                      "255 None\r  8 Jazz\n009 Metal"))
        read << u"%1 %2"_s.arg(g.number).arg(g.name);
    EXPECT_EQ(read.join(u'|'), u"17 Rock|17 ock|0 |255 None|8 Jazz|9 Metal");
    QTemporaryDir program, data;
    writeBytes(data.filePath(u"genres.txt"_s), "000 Blues\r\n");
    EXPECT_EQ(findGenresFile(program.path(), data.path()), data.filePath(u"genres.txt"_s));
    const QString beside = writeBytes(program.filePath(u"genres.txt"_s), "000 Blues\r\n001 \xFF");
    EXPECT_EQ(findGenresFile(program.path(), data.path()), beside) << "the one beside the program";
    QString reason;
    EXPECT_FALSE(readGenres(beside, &reason));
    EXPECT_EQ(reason, u"Not a text file");
}
