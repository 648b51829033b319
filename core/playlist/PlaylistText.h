#pragma once

#include "core/text/TextFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringConverter>
#include <QStringView>

// The text of playlist files, shared by the M3U and PLS readers and writers. They are read
// with the shared line reader of app/TextFiles.h; this is the writing half.

// Why a line cannot stand in a playlist file.
enum class LineFault {
    None,
    LineBreak,   // a CR or LF in it
    Encoding,    // a character the locale's encoding cannot write
    NotText,     // the name came from bytes that are not text in the locale's encoding
    ReadAsOther, // the reader would take it for another song, or skip it
};

// Builds the bytes of a playlist file line by line: every line followed by CR LF, in the
// locale's 8-bit encoding (as QFile::encodeName writes it), no byte-order mark.
class PlaylistTextWriter {
public:
    explicit PlaylistTextWriter(qsizetype expectedBytes = 0);

    // Adds text to the current line.
    PlaylistTextWriter& operator<<(QStringView text);
    // Ends the current line. Says why the line would not read back as itself (a CR or LF, or a
    // character the encoding cannot write); a file with such a line must not be written.
    LineFault endLine();
    // The file's bytes; the writer is spent afterwards.
    QByteArray takeBytes() {
        bytes_.truncate(used_);
        return std::move(bytes_);
    }

private:
    // Where the next bytes go, with room for that many.
    char* room(qsizetype bytes);

    QByteArray bytes_;
    qsizetype used_ = 0;
    LineFault lineFault_ = LineFault::None;
    QStringEncoder encoder_;
};
