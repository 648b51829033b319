#include "core/mp3/TagFromId3v2.h"

namespace {
QString field(const QString& text, int width) {
    return text.left(width).leftJustified(width, u' ');
}
} // namespace

TagRecord tagFromId3v2(const Id3v2Tag& tag, const QVector<Genre>& genres) {
    TagRecord record = TagRecord::blank();
    record.Title = field(tag.title, TagRecord::kTitleWidth);
    record.Artist = field(tag.artist, TagRecord::kArtistWidth);
    record.Album = field(tag.album, TagRecord::kAlbumWidth);
    record.Year = field(tag.year, TagRecord::kYearWidth);
    record.Comment = field(tag.comment, TagRecord::kCommentWidth);
    if (tag.track && *tag.track <= 255)
        record.Track = static_cast<quint8>(*tag.track);
    if (!tag.genre.isEmpty())
        for (const Genre& genre : genres)
            if (genre.name.compare(tag.genre, Qt::CaseInsensitive) == 0) {
                record.Genre = static_cast<quint8>(genre.number);
                break;
            }
    return record;
}
