#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

class QIODevice;

// Reading and writing the program's text and data files: playlists, genres.txt, songs, the
// settings file. QtCore only, so that every subsystem and velmora-cli may use it.

// The whole content of a file, or nothing when it cannot be read to its end (missing, no
// permission, a folder). errorText, when given, receives the system's reason.
[[nodiscard]] std::optional<QByteArray> readWholeFile(const QString& path,
                                                      QString* errorText = nullptr);

// Writes all of bytes at the device's position. A short write is retried, so that a full disk
// is reported with the system's reason (device.errorString()) rather than as a short count.
[[nodiscard]] bool writeAll(QIODevice& device, QByteArrayView bytes);

// Calls onLine with each line of a text file's bytes (playlist files, genres.txt). A UTF-8
// byte-order mark at the start is skipped and the rest read as UTF-8; otherwise the bytes are
// read in the locale's 8-bit encoding (as QFile::decodeName reads them). Lines end at CR LF, a
// lone CR or a lone LF; the last line needs no line end, and a line end at the very end gives
// no empty last line. The view is valid only during the call.
void forEachPlaylistLine(const QByteArray& bytes, const std::function<void(QStringView)>& onLine);

// True when the bytes are text as forEachPlaylistLine reads them: valid in their encoding, and
// no zero byte.
[[nodiscard]] bool isText(const QByteArray& bytes);

// About how many lines the bytes hold: enough to make room for their entries at once.
qsizetype estimatedLineCount(const QByteArray& bytes);

// The text with space characters removed at both ends (tabs and other white space stay).
QStringView trimBlanks(QStringView text);
