#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// The text of playlist files, shared by the M3U and PLS readers and writers.

// The lines of a playlist file. A UTF-8 byte-order mark at the start is skipped and the rest read
// as UTF-8; otherwise the bytes are read in the locale's 8-bit encoding (QFile::decodeName).
// Lines end at CR LF, a lone CR or a lone LF; the last line needs no line end, and a line end
// at the very end of the file gives no empty last line.
QStringList playlistLines(const QByteArray& bytes);

// The text with space characters removed at both ends (tabs and other white space stay).
QStringView trimBlanks(QStringView text);

// The bytes of a playlist file: every line followed by CR LF, in the locale's 8-bit encoding
// (QFile::encodeName), no byte-order mark. A line that would not read back as itself (it holds
// a CR or LF, or a character the encoding cannot write) makes the whole file unwritable: the
// result is then empty and *badLine, when given, is that line's index.
std::optional<QByteArray> encodePlaylistLines(const QStringList& lines,
                                              qsizetype* badLine = nullptr);
