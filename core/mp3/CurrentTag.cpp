#include "core/mp3/CurrentTag.h"

#include "core/mp3/TagFileAccess.h"

TagRecord CurrentTag = TagRecord::blank();
QString TagFile;

bool FillTag(const QString& path) {
    const std::optional<TagRecord> block = readTagBlock(path);
    if (!block)
        return false;
    CurrentTag = *block;
    return CurrentTag.isTag();
}
