#pragma once

#include "core/mp3/GenreList.h"
#include "core/mp3/Id3v2Tag.h"
#include "core/mp3/TagRecord.h"

#include <QVector>

// The ID3v1 tag offered for a song that has only an ID3v2 tag: its texts cut to the ID3v1
// widths (characters ISO-8859-1 cannot hold are left for saving to deal with), its track when it
// fits a byte, and the first genre of genres whose name is the ID3v2 genre's in any case (none
// otherwise). The header stays blank, so saving it appends a tag.
TagRecord tagFromId3v2(const Id3v2Tag& tag, const QVector<Genre>& genres);
