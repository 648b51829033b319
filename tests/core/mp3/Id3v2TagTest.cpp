#include "core/mp3/PlainId3v2.h"
#include "core/mp3/SongTags.h"
#include "core/mp3/TagFileAccess.h"
#include "core/mp3/TagFromId3v2.h"
#include "support/FileBytes.h"
#include "support/Id3v2Bytes.h"
#include "support/SongBytes.h"

using namespace Qt::StringLiterals;

namespace {
const QByteArray kAudio = mpegFrame() + mpegFrame();

// Every field as one line, so that a failure shows them all.
std::string fields(const std::optional<Id3v2Tag>& tag) {
    if (!tag)
        return "none";
    return QStringList{tag->versionText(), tag->title,
                       tag->artist,        tag->album,
                       tag->year,          tag->track ? QString::number(*tag->track) : u"-"_s,
                       tag->genre,         tag->comment}
        .join(u'|')
        .toStdString();
}

// A picture frame whose bytes look like frames and tags, so that only the frame sizes keep
// the reader on course.
QByteArray picture(int version, int size) {
    QByteArray image = "\x89PNG" + QByteArray("TIT2\0\0\0\x05\0\0\0Fake", 15);
    image += QByteArray(size - image.size(), 'T');
    const QByteArray head =
        version == 2 ? QByteArray("\0PNG\x03", 5) : QByteArray("\0image/png\0\x03", 12);
    return id3v2Frame(version, version == 2 ? "PIC" : "APIC", head + "cover" + '\0' + image);
}

struct Id3v2 : TempFolder {
    std::optional<SongTags> read(const QByteArray& bytes) {
        return readSongTags(writeFile(u"song.mp3"_s, bytes));
    }
    std::optional<Id3v2Tag> v2(const QByteArray& bytes) {
        const std::optional<SongTags> tags = read(bytes);
        EXPECT_TRUE(tags);
        return tags ? tags->id3v2 : std::nullopt;
    }
};
} // namespace

TEST_F(Id3v2, FieldsOfEachVersionInEachTextEncoding) {
    // 2.2 in ISO-8859-1, a 2.3 genre by number, a comment with a description that is not one.
    const QByteArray v22 = id3v2Frame(2, "TT2", id3v2Text(0, u"Café"_s)) +
                           id3v2Frame(2, "TP1", id3v2Text(0, u"Ärzte"_s)) +
                           id3v2Frame(2, "TAL", id3v2Text(0, u"Album"_s)) +
                           id3v2Frame(2, "TYE", id3v2Text(0, u"1999"_s)) +
                           id3v2Frame(2, "TRK", id3v2Text(0, u"3/12"_s)) +
                           id3v2Frame(2, "TCO", id3v2Text(0, u"(17)"_s)) +
                           id3v2Frame(2, "COM", id3v2Comment("", "Said")) + picture(2, 300);
    EXPECT_EQ(fields(v2(id3v2Tag(2, v22, 64) + kAudio)), "2.2|Café|Ärzte|Album|1999|3|Rock|Said");
    // 2.3 in UTF-16 with a byte-order mark; a big picture takes the tag past the first read.
    const QByteArray v23 = picture(3, 20000) + id3v2Frame(3, "TIT2", id3v2Text(1, u"Snow ☃ 😀"_s)) +
                           id3v2Frame(3, "TPE1", id3v2Text(1, u"Ωmega"_s)) +
                           id3v2Frame(3, "TYER", id3v2Text(0, u"2003"_s)) +
                           id3v2Frame(3, "TCON", id3v2Text(0, u"(13)Pop"_s)) +
                           id3v2Frame(3, "COMM", id3v2Comment("iTunNORM", " 0000 0001")) +
                           id3v2Frame(3, "COMM", id3v2Comment("", "Mine"));
    EXPECT_EQ(fields(v2(id3v2Tag(3, v23, 1000) + kAudio)), "2.3|Snow ☃ 😀|Ωmega||2003|-|Pop|Mine");
    // 2.4 in UTF-8 and UTF-16BE; a second value of a frame is not part of the first.
    const QByteArray v24 = id3v2Frame(4, "TIT2", id3v2Text(3, u"First"_s) + '\0' + "Second") +
                           id3v2Frame(4, "TPE1", id3v2Text(2, u"Björk"_s)) +
                           id3v2Frame(4, "TALB", id3v2Text(3, u"日本"_s)) +
                           id3v2Frame(4, "TDRC", id3v2Text(3, u"2004-05-01"_s)) +
                           id3v2Frame(4, "TRCK", id3v2Text(3, u"7"_s)) +
                           id3v2Frame(4, "TCON", id3v2Text(3, u"Trip-Hop"_s)) +
                           // a last frame that ends in many zero bytes, before the padding
                           id3v2Frame(4, "PRIV", "owner" + QByteArray(40, '\0'));
    const std::optional<SongTags> both =
        read(id3v2Tag(4, v24, 500) + kAudio + id3v1Tag({.title = "V1"}));
    ASSERT_TRUE(both && both->id3v1());
    EXPECT_EQ(fields(both->id3v2), "2.4|First|Björk|日本|2004|7|Trip-Hop|");
    // Frames only, no padding or audio (a year is four digits, a track above 0, genre 255 none).
    EXPECT_EQ(fields(v2(id3v2Tag(4, id3v2Frame(4, "TIT2", id3v2Text(0, u"Bare"_s)) +
                                        id3v2Frame(4, "TDRC", id3v2Text(0, u"c. 1990"_s)) +
                                        id3v2Frame(4, "TRCK", id3v2Text(0, u"0"_s)) +
                                        id3v2Frame(4, "TCON", id3v2Text(0, u"255"_s))))),
              "2.4|Bare||||-||");
    EXPECT_EQ(fields(v2(kAudio + id3v1Tag({.title = "V1"}))), "none");
    // 2.3 unsynchronised: each FF 00 in the tag is an FF.
    const QByteArray ff =
        id3v2Frame(3, "TIT2", QByteArray("\0\xFF\xE0", 3)).replace("\xFF", QByteArray("\xFF\0", 2));
    EXPECT_EQ(fields(v2(id3v2Tag(3, ff, 0, '\x80') + kAudio)), "2.3|ÿà||||-||");
}

TEST_F(Id3v2, ACorruptOrTruncatedTagIsNoTagAndTheId3v1TagIsStillRead) {
    const QByteArray title = id3v2Frame(3, "TIT2", id3v2Text(0, u"Title"_s));
    const QByteArray artist = id3v2Frame(3, "TPE1", id3v2Text(0, u"Artist"_s));
    const QByteArray good = id3v2Tag(3, title + artist, 32);
    ASSERT_EQ(fields(v2(good + kAudio)), "2.3|Title|Artist|||-||");
    QByteArray intoNext = good;
    intoNext[17] = char(title.size() - 10 + 4); // the title swallows the artist frame's id
    QByteArray pastEnd = good;
    pastEnd[33] = '\x7F'; // the artist frame runs past the tag
    QByteArray badSize = good;
    badSize[8] = char(0x80); // not a synchsafe number
    QByteArray future = good;
    future[3] = 5;
    QByteArray compressed22 = id3v2Tag(2, id3v2Frame(2, "TT2", id3v2Text(0, u"T"_s)), 0, '\x40');
    const QByteArray junk24 = id3v2Tag(4, id3v2Frame(4, "TIT2", id3v2Text(1, u"T"_s)) + "junk");
    for (const QByteArray& bad : {intoNext, pastEnd, badSize, future, compressed22, junk24}) {
        const std::optional<SongTags> tags = read(bad + kAudio + id3v1Tag({.title = "V1"}));
        ASSERT_TRUE(tags);
        EXPECT_EQ(fields(tags->id3v2), "none") << bad.left(40).toHex().constData();
        EXPECT_EQ(songTitle(*tags), u"V1"_s);
    }
    // A song that ends inside its tag.
    EXPECT_EQ(fields(v2(good.left(good.size() - 40))), "none");
    EXPECT_EQ(fields(v2(id3v2Tag(3, picture(3, 20000)).left(12000))), "none");
}

TEST_F(Id3v2, AnId3v1SaveLeavesEveryByteBeforeTheId3v1BlockAsItWas) {
    const QByteArray v2 =
        id3v2Tag(4, id3v2Frame(4, "TIT2", id3v2Text(3, u"Kept"_s)) + picture(4, 200000), 4096);
    const QString path = writeFile(u"song.mp3"_s, v2 + kAudio);
    TagRecord tag = TagRecord::blank();
    tag.Title = u"Changed"_s;
    ASSERT_EQ(writeTag(path, tag).status, TagSaveStatus::Saved);
    EXPECT_TRUE(readBytes(path) == v2 + kAudio + id3v1Tag({.title = "Changed"}));
    EXPECT_EQ(songTitle(*readSongTags(path)), u"Kept"_s);
}

TEST_F(Id3v2, ExtendedPlaylistTitlesTakeId3v2ThenId3v1) {
    const auto tag = [](const char* artist, const char* title) {
        QByteArray frames = id3v2Frame(4, "TIT2", id3v2Text(3, QString::fromUtf8(title)));
        if (*artist)
            frames += id3v2Frame(4, "TPE1", id3v2Text(3, QString::fromUtf8(artist)));
        return id3v2Tag(4, frames, 16);
    };
    const QByteArray v1 = id3v1Tag({.title = "Old Title", .artist = "Old Artist"});
    const std::pair<QByteArray, QString> songs[] = {
        {tag("Cover Artist", "With Cover") + kAudio + v1, u"Cover Artist - With Cover"_s},
        {tag("", "Alone") + kAudio + v1, u"Alone"_s},
        {tag("Only Artist", "") + kAudio + v1, u"Old Artist - Old Title"_s},
        {kAudio + v1, u"Old Artist - Old Title"_s},
        {kAudio + id3v1Tag({.artist = "No Title"}), QString()},
        {kAudio, QString()},
    };
    for (const auto& [bytes, title] : songs)
        EXPECT_EQ(songTitle(*read(bytes)), title);
}

TEST(Id3v2Plain, PlainTagsAreReadAsTagLibReadsThem) {
    // Plain tags (another program's frame, a one-digit genre, a description alone) and one for
    // TagLib to take apart, each byte changed in turn to the values that matter to a reader.
    const QByteArray v24 =
        id3v2Tag(4,
                 id3v2Frame(4, "TIT2", id3v2Text(3, u"\uFEFFÜber 😀"_s) + '\0' + "Second") +
                     id3v2Frame(4, "TPE1", QByteArray("\x03\0\0", 3) + " Café ") +
                     id3v2Frame(4, "TRDC", id3v2Text(3, u"2004"_s)) +
                     id3v2Frame(4, "TCON", id3v2Text(0, u"9"_s)) +
                     id3v2Frame(4, "COMM", id3v2Comment("About", "")) +
                     id3v2Frame(4, "COMM", id3v2Comment("", QByteArray("Mine\0x", 6))) +
                     id3v2Frame(4, "ZA09", QByteArray(130, 'p')) + id3v2Frame(4, "TALB", "\x03"),
                 8);
    const QByteArray v23 = id3v2Tag(3, id3v2Frame(3, "TYER", id3v2Text(0, u"1999"_s)) +
                                           id3v2Frame(3, "TDRC", id3v2Text(0, u"2001"_s)) +
                                           id3v2Frame(3, "COMM", QByteArray("\0en", 3)) +
                                           id3v2Frame(3, "TRCK", id3v2Text(3, u"3/9"_s)));
    const QByteArray bracketed = id3v2Tag(3, id3v2Frame(3, "TCON", id3v2Text(0, u"(13)Pop"_s)));
    ASSERT_TRUE(readPlainId3v2(v24) && readPlainId3v2(v23) && !readPlainId3v2(bracketed));
    for (const QByteArray& tag : {v24, v23, bracketed})
        for (qsizetype i = 3; i < tag.size(); ++i)
            for (const char value : {'\0', '\x01', '\x03', '(', '\x7F', '\x80', '\xC3', '\xFF'}) {
                QByteArray changed = tag;
                changed[i] = value;
                ASSERT_EQ(fields(parseId3v2(changed)), fields(parseId3v2ByTagLib(changed)))
                    << changed.toHex(' ').constData();
            }
}

TEST(Id3v2Prefill, TextsAreCutToTheId3v1WidthsAndTheGenreIsFoundByName) {
    Id3v2Tag v2;
    v2.title = u"A title that is longer than thirty"_s;
    v2.artist = u"Ωmega"_s;
    v2.year = u"2004"_s;
    v2.comment = QString(40, u'c');
    v2.track = 300;
    v2.genre = u"trip-hop"_s;
    const QVector<Genre> genres{{0, u"Blues"_s}, {27, u"Trip-Hop"_s}, {28, u"Trip-Hop"_s}};
    const TagRecord tag = tagFromId3v2(v2, genres);
    EXPECT_FALSE(tag.isTag()) << "saving appends";
    EXPECT_EQ(tag.Title, u"A title that is longer than th"_s);
    EXPECT_EQ(tag.Artist, u"Ωmega"_s.leftJustified(30));
    EXPECT_EQ(tag.Year + tag.Comment, u"2004"_s + QString(28, u'c'));
    EXPECT_EQ(tag.Track, 0) << "300 does not fit";
    EXPECT_EQ(tag.Genre, 27);
    v2.track = 12;
    v2.genre = u"Polka"_s;
    EXPECT_EQ(tagFromId3v2(v2, genres).Track, 12);
    EXPECT_EQ(tagFromId3v2(v2, genres).Genre, 255);
}

TEST(Id3v2RealWorld, SongsFromOtherProgramsAreReadOrRefusedWithoutHarm) {
    const QString songs = realWorldSongs();
    if (songs.isEmpty())
        GTEST_SKIP() << "no real-world songs beside the repository";
    const QDir folder(songs);
    int read = 0;
    for (const QString& name : folder.entryList(QDir::Files)) {
        const std::optional<SongTags> tags = readSongTags(folder.filePath(name));
        ASSERT_TRUE(tags) << qPrintable(name);
        read += tags->id3v2.has_value();
        const QByteArray bytes = readBytes(folder.filePath(name));
        EXPECT_EQ(fields(parseId3v2(bytes)), fields(parseId3v2ByTagLib(bytes))) << qPrintable(name);
    }
    EXPECT_GT(read, 50);
}
