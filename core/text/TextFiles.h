#pragma once

#include "core/text/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>
#include <optional>

class QIODevice;

// Reading and writing the program's text and data files: playlists, genres.txt, songs, the
// settings file. QtCore only, so that every subsystem and velmora-cli may use it.

// True when the file system knows the path (a file or a folder); false for the empty path.
[[nodiscard]] bool FileExists(const QString& path);

// The whole content of a file, or the system's reason when it cannot be read to its end
// (missing, no permission, a folder).
Result<QByteArray> readWholeFile(const QString& path);

// Writes all of bytes at the device's position. A short write is retried, so that a full disk
// is reported with the system's reason (device.errorString()) rather than as a short count.
[[nodiscard]] bool writeAll(QIODevice& device, QByteArrayView bytes);

// The lines of a text file's bytes (playlist files, genres.txt), one after the other. A UTF-8
// byte-order mark at the start is skipped and the rest read as UTF-8; otherwise the bytes are
// read in the locale's 8-bit encoding (as QFile::decodeName reads them). Lines end at CR LF, a
// lone CR or a lone LF; the last line needs no line end, and a line end at the very end gives
// no empty last line. Each line is decoded on its own: a broken sequence does not spill into
// the next, and a U+FEFF that begins a line is part of it.
class PlaylistLines {
public:
    // The bytes must outlast the reader.
    explicit PlaylistLines(QByteArrayView bytes);
    // Sets line to the next line, valid until the next call; false when there is none left.
    [[nodiscard]] bool next(QStringView& line);

private:
    bool decodeBlock();

    QByteArrayView rest_; // not decoded yet
    QStringDecoder decoder_;
    QString block_; // the decoded text of some whole lines; its memory serves every block
    QStringView text_;
    qsizetype pos_ = 0;                   // where the next line of text_ starts
    qsizetype nextCr_ = -1, nextLf_ = -1; // the next CR and LF of text_, once looked for
};

// Calls onLine with each line of the bytes, as PlaylistLines reads them. The view is valid only
// during the call.
template <typename OnLine> void forEachPlaylistLine(QByteArrayView bytes, OnLine&& onLine) {
    PlaylistLines lines(bytes);
    for (QStringView line; lines.next(line);)
        onLine(line);
}

// True when the bytes are text as forEachPlaylistLine reads them: valid in their encoding, and
// no zero byte.
[[nodiscard]] bool isText(const QByteArray& bytes);

// About how many lines the bytes hold: enough to make room for their entries at once.
qsizetype estimatedLineCount(const QByteArray& bytes);

// The text with blanks and tabs removed at both ends (other white space stays).
QStringView trimBlanks(QStringView text);
