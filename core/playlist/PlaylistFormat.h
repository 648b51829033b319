#pragma once

#include "core/playlist/Entry.h"
#include "core/playlist/PlaylistText.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Reading and writing playlist files, from bytes to entries and back. No file is touched here:
// callers read and write the bytes (the program replaces files atomically).
//
// Both formats are read in the locale's 8-bit encoding (a UTF-8 byte-order mark switches to
// UTF-8), with lines ending at CR LF, a lone CR or a lone LF, and blanks (spaces) around each
// line ignored. A line that is not valid UTF-8 comes from an older program and is read as
// Windows-1252; the other lines of the file stay UTF-8. They are written in the locale's
// encoding, every line ended by CR LF.
// A song line that is a file:// URI names the path it decodes to; another address (http://...)
// is a stream, kept whole (see entryFromLine).
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

// An entry the format cannot hold, and why.
struct RefusedSong {
    qsizetype index = -1;
    LineFault fault = LineFault::None;
    bool operator==(const RefusedSong&) const = default;
};

// What a writer makes: the file's bytes, or every entry the format cannot hold. A bare name that
// would not read back as the same song (a blank at its start, say) is written with its full
// path instead. A song whose line would still not read back as the same song is refused, and
// then nothing is written at all:
// a line break (CR or LF) or a character the locale's encoding cannot write anywhere in the
// line; an empty line or value, or blanks at its ends (the readers drop them); a file whose
// line would read as an address; in M3U a line starting with "#EXT", or a first line starting
// with U+FEFF (read as a byte-order mark).
struct WrittenPlaylist {
    QByteArray bytes;             // the whole file when ok()
    QVector<RefusedSong> refused; // the entries that cannot be written, in playlist order
    bool ok() const { return refused.isEmpty(); }
};

// What an extended playlist says of a song besides its path.
struct SongInfo {
    QString title;       // "artist - title", or whatever names the song
    qint64 seconds = -1; // -1 when unknown
    bool operator==(const SongInfo&) const = default;
};

QVector<Entry> parseM3u(const QByteArray& bytes, const PathStyle& style = PathStyle::native());
QVector<Entry> parsePls(const QByteArray& bytes, const PathStyle& style = PathStyle::native());
QVector<Entry> parsePlaylist(PlaylistFormat format, const QByteArray& bytes,
                             const PathStyle& style = PathStyle::native());

// The two steps of reading that other readers of playlist files share, so that they see the
// same song lines: the bytes as the line reader should read them (a file that is not UTF-8 is
// taken for Windows-1252), and the song a line names (blanks already trimmed), empty for none.
QByteArray asReadable(const QByteArray& bytes);
QStringView songIn(QStringView line, PlaylistFormat format);

// Each entry is written as its path mode gives it (see playlistLine), measured against the
// folder of playlistPath, the file the bytes are meant for.
WrittenPlaylist writeM3u(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style = PathStyle::native());
WrittenPlaylist writePls(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style = PathStyle::native());
WrittenPlaylist writePlaylist(PlaylistFormat format, const QVector<Entry>& entries, PathMode mode,
                              const QString& playlistPath,
                              const PathStyle& style = PathStyle::native());
// As writePlaylist, with what info says of each entry (info[i] for entries[i]): M3U begins with
// "#EXTM3U" and puts "#EXTINF:<seconds>,<title>" before each song; PLS follows each fileN= with
// TitleN= and LengthN=. The readers skip those lines. Line breaks in a title become blanks.
WrittenPlaylist writeExtendedPlaylist(PlaylistFormat format, const QVector<Entry>& entries,
                                      const QVector<SongInfo>& info, PathMode mode,
                                      const QString& playlistPath,
                                      const PathStyle& style = PathStyle::native());
