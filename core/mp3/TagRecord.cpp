#include "core/mp3/TagRecord.h"

#include "core/text/TextFiles.h"

namespace {
constexpr char16_t kUnknown = u'?';

QString latin1Field(const QByteArray& block, int& offset, int width) {
    const QString text = QString::fromLatin1(block.constData() + offset, width);
    offset += width;
    return text;
}

QString visibleText(const QString& field) {
    const qsizetype zero = field.indexOf(QChar(0));
    // Spaces only: other white space belongs to the text.
    return trimBlanks(zero < 0 ? QStringView(field) : QStringView(field).left(zero)).toString();
}
} // namespace

TagRecord TagRecord::blank() {
    TagRecord tag;
    tag.Header = QString(kHeaderWidth, u' ');
    tag.Title = QString(kTitleWidth, u' ');
    tag.Artist = QString(kArtistWidth, u' ');
    tag.Album = QString(kAlbumWidth, u' ');
    tag.Year = QString(kYearWidth, u' ');
    tag.Comment = QString(kCommentWidth, u' ');
    tag.Marker = 0;
    tag.Track = 0;
    tag.Genre = 255;
    return tag;
}

TagRecord TagRecord::fromBytes(const QByteArray& block) {
    Q_ASSERT(block.size() >= kSize);
    TagRecord tag;
    int offset = 0;
    tag.Header = latin1Field(block, offset, kHeaderWidth);
    tag.Title = latin1Field(block, offset, kTitleWidth);
    tag.Artist = latin1Field(block, offset, kArtistWidth);
    tag.Album = latin1Field(block, offset, kAlbumWidth);
    tag.Year = latin1Field(block, offset, kYearWidth);
    tag.Comment = latin1Field(block, offset, kCommentWidth);
    tag.Marker = static_cast<quint8>(block[offset++]);
    tag.Track = static_cast<quint8>(block[offset++]);
    tag.Genre = static_cast<quint8>(block[offset]);
    return tag;
}

QByteArray TagRecord::toBytes() const {
    QByteArray block;
    block.reserve(kSize);
    block += fitText(Header, kHeaderWidth).toLatin1();
    block += fitText(Title, kTitleWidth).toLatin1();
    block += fitText(Artist, kArtistWidth).toLatin1();
    block += fitText(Album, kAlbumWidth).toLatin1();
    block += fitText(Year, kYearWidth).toLatin1();
    block += fitText(Comment, kCommentWidth).toLatin1();
    block += static_cast<char>(Marker);
    block += static_cast<char>(Track);
    block += static_cast<char>(Genre);
    return block;
}

QString TagRecord::fitText(const QString& text, int width) {
    QString field;
    field.reserve(width);
    for (qsizetype i = 0; i < text.size() && field.size() < width; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character, one "?"
        if (c.unicode() == 0)
            field += u' '; // a zero byte would end the text for every reader
        else
            field += c.unicode() <= 0xFF ? c : QChar(kUnknown);
    }
    while (field.size() < width)
        field += u' ';
    return field;
}

TagText decodeTag(const TagRecord& tag) {
    TagText text;
    text.title = visibleText(tag.Title);
    text.artist = visibleText(tag.Artist);
    text.album = visibleText(tag.Album);
    text.year = visibleText(tag.Year);
    text.comment = visibleText(tag.Comment);
    const bool v11 = tag.Marker == 0 || tag.Marker == 32;
    if (v11 && tag.Track != 0 && tag.Track != 32)
        text.track = tag.Track;
    text.genre = tag.Genre;
    return text;
}
