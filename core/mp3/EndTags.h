#pragma once

#include "core/mp3/SongReader.h"

// Where the audio of a stream that ends at end stops: before the tags that players append to a
// song (ID3v1, APEv2 with or without its header, Lyrics3v2, an ID3v2 tag ended by its footer),
// in any order and number. Never before start; nullopt when the song cannot be read.
std::optional<qint64> audioEnd(SongReader& reader, qint64 start, qint64 end);
