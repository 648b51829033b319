#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// The texts of an ID3v2 tag that Velmora shows, as they stand in the tag: the first value of
// each frame, cut at a zero character and trimmed.
struct Id3v2Texts {
    int version = 0;
    QString title, artist, album, time, track, genre, comment;
};

// Most tags written today are plain: version 2.3 or 2.4, no flags on the tag or on its frames,
// texts in ISO-8859-1 or UTF-8, frames one after another up to zero padding. Such a tag is read
// here, with the answer TagLib gives for it at a fraction of the cost; any other tag (nullopt)
// is left to TagLib. bytes holds the whole tag.
[[nodiscard]] std::optional<Id3v2Texts> readPlainId3v2(QByteArrayView bytes);
