#pragma once

#include "core/mp3/TagRecord.h"

#include <QString>
#include <optional>

// Songs longer than this are not written to (decimal: fifty million bytes).
constexpr qint64 kMaxTaggedSongLength = 50'000'000;

// The last 128 bytes of the song as a record, whether or not they are a tag; nullopt when the
// song cannot be read or is shorter than 128 bytes. Nothing before the file's start is read.
[[nodiscard]] std::optional<TagRecord> readTagBlock(const QString& path);

enum class TagSaveStatus {
    Saved,
    Missing,   // the song is gone
    BadLength, // the song is empty or longer than kMaxTaggedSongLength
    Failed,    // opening, reading or writing failed; see error
};

struct TagSaveResult {
    TagSaveStatus status = TagSaveStatus::Failed;
    QString error; // the system's reason when status is Failed
};

// Writes tag into the song. A tag read from the song replaces the last 128 bytes, but only when
// they still begin with "TAG"; anything else is appended, and tag.Header becomes "TAG" once the
// append has succeeded. A failed append takes the song back to its old length, so audio is
// never overwritten or left with a broken tail.
TagSaveResult writeTag(const QString& path, TagRecord& tag);
