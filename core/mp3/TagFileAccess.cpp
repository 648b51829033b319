#include "core/mp3/TagFileAccess.h"

#include "core/mp3/SongFile.h"
#include "core/playlist/Entry.h"
#include "core/text/TextFiles.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

std::optional<TagRecord> readTagBlock(const QString& path) {
    SongFile file(path);
    const qint64 length = file.size();
    if (length < TagRecord::kSize) // as is a file that did not open
        return std::nullopt;
    const std::optional<QByteArray> block =
        file.readAt(length - TagRecord::kSize, TagRecord::kSize);
    if (!block || block->size() != TagRecord::kSize)
        return std::nullopt;
    return TagRecord::fromBytes(*block);
}

namespace {
bool badLength(qint64 length) {
    return length <= 0 || length > kMaxTaggedSongLength;
}

TagSaveResult failed(const QFile& file) {
    return {TagSaveStatus::Failed, file.errorString()};
}

bool writeAt(QFile& file, qint64 pos, const QByteArray& bytes) {
    return file.seek(pos) && writeAll(file, bytes);
}

bool endsInTag(QFile& file, qint64 length) {
    if (length < TagRecord::kSize || !file.seek(length - TagRecord::kSize))
        return false;
    return file.read(3) == "TAG";
}
} // namespace

TagSaveResult writeTag(const QString& path, TagRecord& tag) {
    if (!FileExists(path))
        return {TagSaveStatus::Missing, {}};
    if (badLength(QFileInfo(path).size()))
        return {TagSaveStatus::BadLength, {}};

    // ExistingOnly: a song deleted meanwhile must not come back as an empty file.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly))
        return failed(file);
    const qint64 length = file.size();
    if (badLength(length))
        return {TagSaveStatus::BadLength, {}};

    // Only a tag that is still there is overwritten; anything else goes after the audio.
    const bool overwrite = tag.isTag() && endsInTag(file, length);
    TagRecord written = tag;
    written.Header = u"TAG"_s;
    if (!writeAt(file, overwrite ? length - TagRecord::kSize : length, written.toBytes())) {
        const TagSaveResult result = failed(file);
        if (!overwrite)
            file.resize(length); // drop whatever part of the tag did get written
        return result;
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return failed(file);
    tag.Header = written.Header;
    return {TagSaveStatus::Saved, {}};
}
