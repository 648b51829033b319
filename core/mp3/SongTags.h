#pragma once

#include "core/mp3/Id3v2Tag.h"
#include "core/mp3/TagRecord.h"

#include <QString>
#include <optional>

// Both tags of a song, read with one open: the ID3v2 tag at its start and the 128 bytes where an
// ID3v1 tag would be.
struct SongTags {
    std::optional<TagRecord> id3v1Block; // the last 128 bytes, tag or not; none in a shorter song
    std::optional<Id3v2Tag> id3v2;       // none when absent or unreadable

    // The ID3v1 tag, when the last 128 bytes are one.
    std::optional<TagRecord> id3v1() const;
};

// nullopt when the song cannot be opened or read.
[[nodiscard]] std::optional<SongTags> readSongTags(const QString& path);

// What a playlist line says of the song: "artist - title" (or the title alone) from the ID3v2
// tag, else from the ID3v1 tag; empty when neither has a title.
QString songTitle(const SongTags& tags);
