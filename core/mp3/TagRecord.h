#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// The ID3v1.1 tag: the last 128 bytes of a song. Text fields hold exactly their width in
// characters, one per byte (ISO-8859-1), so the record gives back the bytes it was read from.
struct TagRecord {
    static constexpr int kSize = 128;
    static constexpr int kHeaderWidth = 3;
    static constexpr int kTitleWidth = 30;
    static constexpr int kArtistWidth = 30;
    static constexpr int kAlbumWidth = 30;
    static constexpr int kYearWidth = 4;
    static constexpr int kCommentWidth = 28;

    QString Header;
    QString Title;
    QString Artist;
    QString Album;
    QString Year;
    QString Comment;
    quint8 Marker = 0;  // 0 in an ID3v1.1 tag; anything else is the end of an ID3v1.0 comment
    quint8 Track = 0;   // 0 for none
    quint8 Genre = 255; // 255 for none

    bool isTag() const { return Header == u"TAG"; }

    // Header three spaces, every text all spaces, no track, no genre: saving it appends a tag.
    static TagRecord blank();
    // The record the 128 bytes of block spell (block must hold 128 bytes).
    static TagRecord fromBytes(const QByteArray& block);
    // The 128 bytes written for the record.
    QByteArray toBytes() const;

    // text as a field of width bytes: characters outside ISO-8859-1 become "?", zero
    // characters spaces, longer text is cut, shorter text is padded with spaces.
    static QString fitText(const QString& text, int width);
};

// What a tag says, as a person reads it.
struct TagText {
    QString title;
    QString artist;
    QString album;
    QString year;
    QString comment;
    std::optional<int> track; // none in an ID3v1.0 tag, or when the byte is 0 or 32
    quint8 genre = 255;       // 255 for none
};

// Each text cut at its first zero byte and stripped of spaces at both ends.
TagText decodeTag(const TagRecord& tag);
