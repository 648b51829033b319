#include "cli/Commands.h"
#include "core/mp3/MP3Hdr.h"
#include "core/mp3/SongTags.h"
#include "core/playlist/Entry.h"
#include "core/playlist/MissingSongs.h"
#include "core/playlist/PlaylistFile.h"
#include "core/playlist/PlaylistFormat.h"
#include "core/playlist/PlaylistFormats.h"
#include "core/playlist/SaveRefusal.h"
#include "core/playlist/SongAddress.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
const char* const kPlaylistUsage = QT_TRANSLATE_NOOP(
    "velmora-cli",
    "Usage:\n"
    "  velmora-cli playlist show [--json] [--format m3u|pls] FILE\n"
    "  velmora-cli playlist write [--format m3u|pls] [--paths never|always|decide] [--extended]\n"
    "                             OUT SONG...\n"
    "  velmora-cli playlist convert [--paths never|always|decide] [--extended] IN OUT\n"
    "  velmora-cli playlist check [--json] [--format m3u|pls] LIST...\n"
    "  velmora-cli playlist relink [--json] [--dry-run] [--format m3u|pls] LIST...\n"
    "                              --in FOLDER [--in FOLDER]...\n"
    "\n"
    "The format follows the extension (.m3u and .m3u8 are M3U, .pls is PLS) unless --format\n"
    "says otherwise; a playlist whose first line is [playlist] or #EXTM3U is read as PLS or\n"
    "M3U whatever its name. A SONG of '-' reads song paths from standard input, one per line.\n"
    "--paths: never writes bare file names, always full paths, decide (the default) a bare\n"
    "name exactly when the song lies in the playlist's own folder.\n"
    "--extended writes #EXTM3U and an #EXTINF line per song (PLS: TitleN and LengthN): the\n"
    "song's artist and title from its ID3v2 tag, else its ID3v1 tag, else its file name; the\n"
    "length in whole seconds, -1 when no MPEG frame is found.\n"
    "file:// URIs are read as the paths they name; other addresses (http://...) are streams,\n"
    "written back as they are.\n"
    "check prints each entry of the LISTs whose song file is not there, one line each (--json:\n"
    "one JSON object each), and exits with 1 when any is missing. A song without a folder is\n"
    "looked for beside its playlist; streams are not checked.\n"
    "relink finds the missing songs of the LISTs again among the .mp3 files under the FOLDERs\n"
    "(names only; no song is read): a file of the same name found once is the song; of several,\n"
    "the one whose folders share the most with the old path (.../Artist/Album/Song.mp3), then\n"
    "the one whose playing time is the one the playlist recorded (#EXTINF, PLS LengthN). It\n"
    "prints 'old -> new' for each song found, 'ambiguous: old (N candidates)' with the\n"
    "candidates below it, 'not found: old', and a summary per LIST (--json: one object per\n"
    "missing entry, no summary). Each LIST is then rewritten whole, in its format, bare names\n"
    "kept bare where the song lies beside the playlist; --dry-run writes nothing. Songs that\n"
    "are there and streams are never changed, nor the order. Exits with 1 when any song was\n"
    "not found or was ambiguous.\n");

struct Options {
    bool json = false;
    bool extended = false;
    std::optional<QString> format;
    PathMode paths = PathMode::Decide;
    QList<Arg> operands;
};

// Parses the options every playlist command knows; false (after a message) on a usage error.
bool parseOptions(const QList<Arg>& args, const QString& command, Options& options, int& status) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i].text;
        if (a == u"--json") {
            options.json = true;
        } else if (a == u"--extended") {
            options.extended = true;
        } else if (a == u"--format" || a == u"--paths") {
            if (i + 1 >= args.size()) {
                status = usageError(
                    command, a + QCoreApplication::translate("velmora-cli", " needs a value."));
                return false;
            }
            const QString value = args[++i].text.toLower();
            if (a == u"--format") {
                if (value != u"m3u" && value != u"pls") {
                    status = usageError(command, QCoreApplication::translate(
                                                     "velmora-cli", "--format is m3u or pls."));
                    return false;
                }
                options.format = value;
            } else if (value == u"never") {
                options.paths = PathMode::Never;
            } else if (value == u"always") {
                options.paths = PathMode::Always;
            } else if (value == u"decide") {
                options.paths = PathMode::Decide;
            } else {
                status =
                    usageError(command, QCoreApplication::translate(
                                            "velmora-cli", "--paths is never, always or decide."));
                return false;
            }
        } else if (isOption(a)) {
            status = unknownOption(command, a);
            return false;
        } else {
            options.operands << args[i];
        }
    }
    return true;
}

// The songs of a playlist file, read as what it is (format when it does not tell); nullopt
// after a message naming the file and the reason.
std::optional<QVector<Entry>> readSongs(const QString& path, PlaylistFormat format) {
    Result<PlaylistRead> read = readPlaylistFile(path, format);
    if (!read) {
        err(path + u": "_s + read.reason() + u'\n');
        return std::nullopt;
    }
    return std::move(read->entries);
}

// What an extended playlist says of a song: "artist - title" from its ID3v2 tag, else from its
// ID3v1 tag, else its file name (a stream: its address); the playing time in whole seconds, -1 when
// no frame is found.
SongInfo songInfo(const Entry& entry) {
    SongInfo info{entry.name, -1};
    if (entry.stream)
        return info;
    if (MP3Hdr header; ReadHeader(fullPath(entry), header))
        info.seconds = (header.HdrDurationMs + 500) / 1000;
    if (const std::optional<SongTags> tags = readSongTags(fullPath(entry)))
        if (QString title = songTitle(*tags); !title.isEmpty())
            info.title = std::move(title);
    return info;
}

int writeOut(const QString& outPath, PlaylistFormat format, const QVector<Entry>& entries,
             const Options& o) {
    Result<> save;
    if (o.extended) {
        QVector<SongInfo> info;
        info.reserve(entries.size());
        for (const Entry& entry : entries)
            info << songInfo(entry);
        save = writePlaylistFile(
            outPath, writeExtendedPlaylist(format, entries, info, o.paths, outPath), entries);
    } else {
        save = writePlaylistFile(outPath, format, entries, o.paths);
    }
    if (!save)
        err(outPath + QCoreApplication::translate("velmora-cli", ": not written.\n") +
            save.reason() + u'\n');
    return save ? kExitOk : kExitFailed;
}

int show(const Options& o) {
    if (o.operands.size() != 1)
        return usageError(u"playlist"_s, QCoreApplication::translate(
                                             "velmora-cli", "playlist show takes one FILE."));
    const Arg& file = o.operands.first();
    if (!file.decodable()) {
        err(QString::fromLocal8Bit(file.raw) +
            QCoreApplication::translate("velmora-cli", ": the file name is not valid text\n"));
        return kExitFailed;
    }
    const auto format = formatOf(file.text, o.format);
    if (!format)
        return usageError(u"playlist"_s,
                          file.text +
                              QCoreApplication::translate(
                                  "velmora-cli", ": unknown playlist extension; give --format."));
    const auto songs = readSongs(file.text, *format);
    if (!songs)
        return kExitFailed;
    for (const Entry& entry : *songs) {
        if (o.json)
            JsonLine()
                .add("entry", entry.text())
                .add("name", entry.name)
                .add("folder", entry.folder)
                .add("path", fullPath(entry))
                .print();
        else
            out(entry.text() + u'\n');
    }
    return kExitOk;
}

int write(const Options& o) {
    if (o.operands.size() < 2)
        return usageError(u"playlist"_s,
                          QCoreApplication::translate(
                              "velmora-cli", "playlist write takes OUT and at least one SONG."));
    const Arg& outArg = o.operands.first();
    const auto format = formatOf(outArg.text, o.format);
    if (!format)
        return usageError(u"playlist"_s,
                          outArg.text +
                              QCoreApplication::translate(
                                  "velmora-cli", ": unknown playlist extension; give --format."));
    if (!outArg.decodable()) {
        err(QString::fromLocal8Bit(outArg.raw) +
            QCoreApplication::translate("velmora-cli", ": the file name is not valid text\n"));
        return kExitFailed;
    }
    QVector<Entry> entries;
    int status = kExitOk;
    const auto addSong = [&](const QString& song) {
        if (isAddress(song))
            entries << entryFromLine(song);
        else
            entries << entryFromPath(QDir::toNativeSeparators(QFileInfo(song).absoluteFilePath()));
    };
    for (qsizetype i = 1; i < o.operands.size(); ++i) {
        const Arg& song = o.operands[i];
        if (song.text == u"-") {
            while (const std::optional<Arg> s = pathFromStdin())
                addSong(s->text);
        } else if (!song.decodable()) {
            err(QString::fromLocal8Bit(song.raw) +
                QCoreApplication::translate(
                    "velmora-cli",
                    ": the file name is not valid text; left out of the playlist\n"));
            status = kExitFailed;
        } else {
            addSong(song.text);
        }
    }
    const QString outPath = QFileInfo(outArg.text).absoluteFilePath();
    const int written = writeOut(QDir::toNativeSeparators(outPath), *format, entries, o);
    return written != kExitOk ? written : status;
}

int convert(const Options& o) {
    if (o.operands.size() != 2)
        return usageError(u"playlist"_s, QCoreApplication::translate(
                                             "velmora-cli", "playlist convert takes IN and OUT."));
    const Arg& in = o.operands[0];
    const Arg& outArg = o.operands[1];
    const auto inFormat = formatOf(in.text, std::nullopt);
    const auto outFormat = formatOf(outArg.text, o.format);
    if (!inFormat || !outFormat)
        return usageError(u"playlist"_s,
                          QCoreApplication::translate(
                              "velmora-cli", "unknown playlist extension (.m3u, .m3u8, .pls)."));
    if (!in.decodable() || !outArg.decodable()) {
        err(QCoreApplication::translate("velmora-cli", "the file name is not valid text\n"));
        return kExitFailed;
    }
    std::optional<QVector<Entry>> entries = readSongs(in.text, *inFormat);
    if (!entries)
        return kExitFailed;
    const QString inFolder = QDir::toNativeSeparators(QFileInfo(in.text).absolutePath());
    for (Entry& entry : *entries)
        entry = anchoredEntry(std::move(entry), inFolder);
    return writeOut(QDir::toNativeSeparators(QFileInfo(outArg.text).absoluteFilePath()), *outFormat,
                    *entries, o);
}
int check(const Options& o) {
    if (o.operands.isEmpty())
        return usageError(
            u"playlist"_s,
            QCoreApplication::translate("velmora-cli", "playlist check takes at least one LIST."));
    // Every list's format is known before any is read: a usage error prints nothing else.
    QVector<PlaylistFormat> formats;
    for (const Arg& list : o.operands) {
        const auto format = formatOf(list.text, o.format);
        if (!format)
            return usageError(
                u"playlist"_s,
                list.text + QCoreApplication::translate(
                                "velmora-cli", ": unknown playlist extension; give --format."));
        formats << *format;
    }
    int status = kExitOk;
    for (qsizetype i = 0; i < o.operands.size(); ++i) {
        const Arg& list = o.operands[i];
        std::optional<QVector<Entry>> songs;
        if (!list.decodable())
            err(QString::fromLocal8Bit(list.raw) +
                QCoreApplication::translate("velmora-cli", ": the file name is not valid text\n"));
        else
            songs = readSongs(list.text, formats[i]);
        if (!songs) {
            status = kExitFailed;
            continue;
        }
        const QString folder = QDir::toNativeSeparators(QFileInfo(list.text).absolutePath());
        QVector<Entry> located;
        located.reserve(songs->size());
        for (const Entry& entry : std::as_const(*songs))
            located << anchoredEntry(entry, folder);
        const QVector<bool> missing = missingSongs(located, folder);
        for (qsizetype j = 0; j < missing.size(); ++j) {
            if (!missing[j])
                continue;
            status = kExitFailed;
            const QString path = fullPath(located[j]);
            if (o.json)
                JsonLine()
                    .add("playlist", list.text)
                    .add("entry", songs->at(j).text())
                    .add("path", path)
                    .print();
            else
                out(list.text + u": "_s + path + u'\n');
        }
    }
    return status;
}
} // namespace

std::optional<PlaylistFormat> formatOf(const QString& path, const std::optional<QString>& given) {
    if (!given)
        return formatOfName(path);
    for (const PlaylistFormatInfo& info : playlistFormats())
        if (info.extensions.contains(*given))
            return info.format;
    return std::nullopt;
}

int playlistCommand(const QList<Arg>& args) {
    if (args.isEmpty())
        return usageError(
            u"playlist"_s,
            QCoreApplication::translate("velmora-cli",
                                        "playlist needs show, write, convert, check or relink."));
    const QString sub = args.first().text;
    if (sub == u"relink" && !asksForHelp(args))
        return relinkCommand(args.mid(1));
    if (asksForHelp(args)) {
        out(QCoreApplication::translate("velmora-cli", kPlaylistUsage));
        return kExitOk;
    }
    Options options;
    int status = kExitOk;
    if (!parseOptions(args.mid(1), u"playlist"_s, options, status))
        return status;
    if (sub == u"show")
        return show(options);
    if (sub == u"write")
        return write(options);
    if (sub == u"convert")
        return convert(options);
    if (sub == u"check")
        return check(options);
    return usageError(u"playlist"_s,
                      QCoreApplication::translate("velmora-cli", "unknown playlist command '") +
                          sub + u"'."_s);
}
