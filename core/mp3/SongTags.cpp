#include "core/mp3/SongTags.h"

#include "core/mp3/SongFile.h"

using namespace Qt::StringLiterals;

namespace {
// Most tags without a picture fit in the first read; a larger one takes one more.
constexpr qint64 kHeadRead = 8192;

QString artistAndTitle(const QString& artist, const QString& title) {
    if (title.isEmpty())
        return {};
    return artist.isEmpty() ? title : artist + u" - "_s + title;
}
} // namespace

std::optional<TagRecord> SongTags::id3v1() const {
    return id3v1Block && id3v1Block->isTag() ? id3v1Block : std::nullopt;
}

std::optional<SongTags> readSongTags(const QString& path) {
    SongFile file(path);
    if (!file.isOpen())
        return std::nullopt;
    const qint64 size = file.size();
    std::optional<QByteArray> head = file.readAt(0, qMin(size, kHeadRead));
    if (!head)
        return std::nullopt;
    SongTags tags;
    if (const qint64 length = id3v2TagLength(*head); length > 0) {
        // A tag that runs past the end of the song is cut short: parseId3v2 refuses it.
        if (length > head->size()) {
            const std::optional<QByteArray> rest = file.readAt(head->size(), length - head->size());
            if (!rest)
                return std::nullopt;
            *head += *rest;
        }
        tags.id3v2 = parseId3v2(*head);
    }
    if (size >= TagRecord::kSize) {
        const std::optional<QByteArray> block =
            head->size() >= size ? head->right(TagRecord::kSize)
                                 : file.readAt(size - TagRecord::kSize, TagRecord::kSize);
        if (!block || block->size() != TagRecord::kSize)
            return std::nullopt;
        tags.id3v1Block = TagRecord::fromBytes(*block);
    }
    return tags;
}

QString songTitle(const SongTags& tags) {
    if (tags.id3v2)
        if (QString v2 = artistAndTitle(tags.id3v2->artist, tags.id3v2->title); !v2.isEmpty())
            return v2;
    if (const std::optional<TagRecord> v1 = tags.id3v1()) {
        const TagText text = decodeTag(*v1);
        return artistAndTitle(text.artist, text.title);
    }
    return {};
}
