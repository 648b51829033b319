#include "core/mp3/TagRecord.h"
#include "core/playlist/PlaylistFormat.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Inputs the fuzzers found, kept so that what they showed stays mended.

TEST(FuzzRegression, APlaylistLineNamingAFolderIsNeverWrittenAsAnEmptyLine) {
    // "/" reads as a song without a name in the root folder. Written as a bare name it would
    // be an empty line, which the reader skips: the playlist would silently lose a song. It is
    // written whole instead.
    const QVector<Entry> entries = parseM3u("/");
    ASSERT_EQ(entries.size(), 1);
    for (PathMode mode : {PathMode::Never, PathMode::Always}) {
        const WrittenPlaylist written =
            writeM3u(entries, mode, u"/lists/mix.m3u"_s, PathStyle::posix());
        EXPECT_EQ(written.bytes, "/\r\n");
    }
}

TEST(FuzzRegression, ATagBlockWrittenBackKeepsEveryByteButZerosInText) {
    QByteArray block(128, '\xD3');
    block[2] = block[58] = block[125] = block[127] = '\0'; // header, artist, marker, genre
    QByteArray expected = block;
    expected[2] = expected[58] = ' ';
    EXPECT_EQ(TagRecord::fromBytes(block).toBytes(), expected);
}
