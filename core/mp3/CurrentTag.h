#pragma once

#include "core/mp3/TagRecord.h"

#include <QString>

// The one tag the program handles at a time: read by a right-click, shown and edited by the tag
// window, written back to the song named by TagFile.
extern TagRecord CurrentTag;
extern QString TagFile;

// Reads the song's last 128 bytes into CurrentTag; true when they are a tag ("TAG", upper case).
// A song that cannot be read or is shorter than 128 bytes has no tag and leaves CurrentTag alone.
bool FillTag(const QString& path);
