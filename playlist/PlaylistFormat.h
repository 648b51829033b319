#pragma once

#include "playlist/Entry.h"
#include "playlist/PlaylistText.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Reading and writing playlist files, from bytes to entries and back. No file is touched here:
// callers read and write the bytes (the program replaces files atomically).
//
// Both formats are read in the locale's 8-bit encoding (a UTF-8 byte-order mark switches to
// UTF-8), with lines ending at CR LF, a lone CR or a lone LF, and blanks (spaces) around each
// line ignored. They are written in the locale's encoding, every line ended by CR LF.
//
// M3U: one song path per line. Empty lines and lines starting with "#EXT" (exactly that case:
// #EXTM3U, #EXTINF) are skipped; every other line is a song, taken as it stands.
//   Written: one line per entry, nothing else; no entries give zero bytes.
// PLS: an INI-like section. Only lines whose first four characters are "file" in any case are
//   read; the song is the text after the first "=" that follows them, blanks around it removed
//   (the whole line when there is no "="). Key numbers and the entry count are not looked at:
//   songs come in the order of their lines. A key with nothing after "=" names no song and is
//   skipped.
//   Written: "[playlist]", file1=... fileN= (lower-case keys, numbers without leading zeros) and
//   "NumberOfEntries=N".

enum class PlaylistFormat { M3u, Pls };

// The format the style setting asks for: 1 is PLS, every other value M3U.
PlaylistFormat formatForStyle(int style);

// What a writer makes: the file's bytes, or which entry the format cannot hold. A song whose
// line would not read back as the same song is refused, and then nothing is written at all:
// a line break (CR or LF) or a character the locale's encoding cannot write anywhere in the
// line; an empty line or value, or blanks at its ends (the readers drop them); in M3U a line
// starting with "#EXT", or a first line starting with U+FEFF (read as a byte-order mark).
struct WrittenPlaylist {
    QByteArray bytes;                  // the whole file when ok()
    qsizetype unwritable = -1;         // index of the first entry that cannot be written, or -1
    LineFault fault = LineFault::None; // what is wrong with that entry's line
    bool ok() const { return unwritable < 0; }
};

QVector<Entry> parseM3u(const QByteArray& bytes, const PathStyle& style = PathStyle::native());
QVector<Entry> parsePls(const QByteArray& bytes, const PathStyle& style = PathStyle::native());
QVector<Entry> parsePlaylist(PlaylistFormat format, const QByteArray& bytes,
                             const PathStyle& style = PathStyle::native());

// Each entry is written as its path mode gives it (see playlistLine), measured against the
// folder of playlistPath, the file the bytes are meant for.
WrittenPlaylist writeM3u(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style = PathStyle::native());
WrittenPlaylist writePls(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style = PathStyle::native());
WrittenPlaylist writePlaylist(PlaylistFormat format, const QVector<Entry>& entries, PathMode mode,
                              const QString& playlistPath,
                              const PathStyle& style = PathStyle::native());
