#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// What the ID3v2 tag at the start of a song says, as a person reads it. Velmora only reads
// these tags; it never writes one.
struct Id3v2Tag {
    int version = 0; // the major version: 2, 3 or 4
    QString title, artist, album;
    QString year;    // four digits, or empty
    QString genre;   // the first genre named, a numbered one by its ID3v1 name
    QString comment; // the comment without a description
    std::optional<int> track;

    // How the version is written for people: "2.3", "2.4"...
    QString versionText() const;
    bool operator==(const Id3v2Tag&) const = default;
};

// The size of a tag header, and the most a head read for a song needs to hold to know the size
// of the whole tag.
constexpr qsizetype kId3v2HeaderSize = 10;

// The number four bytes of a tag write with seven bits a byte; nullopt when a byte has its top
// bit set.
std::optional<qint64> synchsafeNumber(QByteArrayView bytes);

// The bytes the ID3v2 tag that starts head takes in the file (header, frames, padding and
// footer); 0 when head does not start with a tag header Velmora can read (not "ID3", a version
// other than 2.2 to 2.4, a size that is not a synchsafe number, an empty tag).
qint64 id3v2TagLength(QByteArrayView head);

// The tag that starts bytes, which hold at least id3v2TagLength(bytes) bytes of the song. A tag
// that is cut short, or whose frames do not follow one another to its end (a frame size that
// runs into the next frame or past the tag), is not read at all: nullopt, as for no tag, so that
// no text is ever taken from the wrong bytes.
[[nodiscard]] std::optional<Id3v2Tag> parseId3v2(QByteArrayView bytes);
// The same, every tag read by TagLib: parseId3v2 reads plain tags itself, and must agree.
[[nodiscard]] std::optional<Id3v2Tag> parseId3v2ByTagLib(QByteArrayView bytes);
