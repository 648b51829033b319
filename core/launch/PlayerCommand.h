#pragma once

#include <QString>

// The program lookup answers into a buffer of this many characters, NULs after its text.
constexpr qsizetype kLookupBufferSize = 260;

// Removes every NUL; whatever followed a NUL loses its blanks at both ends.
QString StripNuls(const QString& text);

// Turns the lookup's answer (program path, blank, "file path") into a command line: the program
// part and the argument part each in double quotes. Empty when the answer holds no double quote
// from its second character on.
QString QuotePlayerCommand(const QString& text);

// The command line that plays a file, from the lookup's answer as it lies in its buffer. An
// answer longer than the buffer is kept whole: cutting it would hand the player another path.
QString playerCommandLine(const QString& lookupAnswer);
