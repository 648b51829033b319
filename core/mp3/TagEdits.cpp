#include "core/mp3/TagEdits.h"

#include "core/text/LeadingNumber.h"

using namespace Qt::StringLiterals;

std::optional<quint8> trackFromText(const QString& text) {
    const double number = leadingNumber(text);
    if (number < 0)
        return std::nullopt;
    const double rounded = roundHalfEven(number);
    if (rounded > 255)
        return std::nullopt;
    return static_cast<quint8>(rounded);
}

std::optional<TagRecord> editedTag(const TagRecord& tag, const TagEdits& edits) {
    const TagText shown = decodeTag(tag);
    std::optional<quint8> track = static_cast<quint8>(shown.track.value_or(0));
    if (edits.track)
        track = trackFromText(*edits.track);
    if (!track)
        return std::nullopt;
    TagRecord saved = tag;
    saved.Title = TagRecord::fitText(edits.title.value_or(shown.title), TagRecord::kTitleWidth);
    saved.Artist = TagRecord::fitText(edits.artist.value_or(shown.artist), TagRecord::kArtistWidth);
    saved.Album = TagRecord::fitText(edits.album.value_or(shown.album), TagRecord::kAlbumWidth);
    saved.Year = TagRecord::fitText(edits.year.value_or(shown.year), TagRecord::kYearWidth);
    saved.Comment =
        TagRecord::fitText(edits.comment.value_or(shown.comment), TagRecord::kCommentWidth);
    saved.Marker = 0;
    saved.Track = *track;
    saved.Genre = edits.genre.value_or(tag.Genre);
    return saved;
}

QVector<TagMisfit> tagMisfits(const TagEdits& edits) {
    const std::tuple<QString, const std::optional<QString>&, int> fields[] = {
        {u"title"_s, edits.title, TagRecord::kTitleWidth},
        {u"artist"_s, edits.artist, TagRecord::kArtistWidth},
        {u"album"_s, edits.album, TagRecord::kAlbumWidth},
        {u"year"_s, edits.year, TagRecord::kYearWidth},
        {u"comment"_s, edits.comment, TagRecord::kCommentWidth},
    };
    QVector<TagMisfit> misfits;
    for (const auto& [field, value, width] : fields) {
        if (!value)
            continue;
        // Counted in characters: an emoji is two QChars and one "?".
        const qsizetype characters = value->toUcs4().size();
        const QString written =
            TagRecord::fitText(*value, width).left(std::min<qsizetype>(characters, width));
        if (characters > width)
            misfits.append({TagMisfit::Kind::Cut, field, width, *value, written});
        else if (written != *value)
            misfits.append({TagMisfit::Kind::Replaced, field, width, *value, written});
    }
    return misfits;
}
