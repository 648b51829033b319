#include "cli/Commands.h"
#include "core/mp3/MP3Hdr.h"
#include "core/mp3/TagFileAccess.h"
#include "core/playlist/Entry.h"
#include "core/playlist/MissingSongs.h"
#include "core/playlist/PlaylistFile.h"
#include "core/playlist/PlaylistFormat.h"
#include "core/playlist/SaveRefusal.h"
#include "core/playlist/SongAddress.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
const char* const kPlaylistUsage =
    "Usage:\n"
    "  velmora-cli playlist show [--json] [--format m3u|pls] FILE\n"
    "  velmora-cli playlist write [--format m3u|pls] [--paths never|always|decide] [--extended]\n"
    "                             OUT SONG...\n"
    "  velmora-cli playlist convert [--paths never|always|decide] [--extended] IN OUT\n"
    "  velmora-cli playlist check [--json] [--format m3u|pls] LIST...\n"
    "\n"
    "The format follows the extension (.m3u and .m3u8 are M3U, .pls is PLS) unless --format\n"
    "says otherwise. A SONG of '-' reads song paths from standard input, one per line.\n"
    "--paths: never writes bare file names, always full paths, decide (the default) a bare\n"
    "name exactly when the song lies in the playlist's own folder.\n"
    "--extended writes #EXTM3U and an #EXTINF line per song (PLS: TitleN and LengthN): the\n"
    "song's artist and title from its ID3v1 tag, else its file name; the length is -1.\n"
    "file:// URIs are read as the paths they name; other addresses (http://...) are streams,\n"
    "written back as they are.\n"
    "check prints each entry of the LISTs whose song file is not there, one line each (--json:\n"
    "one JSON object each), and exits with 1 when any is missing. A song without a folder is\n"
    "looked for beside its playlist; streams are not checked.\n";

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
                status = usageError(command, a + u" needs a value."_s);
                return false;
            }
            const QString value = args[++i].text.toLower();
            if (a == u"--format") {
                if (value != u"m3u" && value != u"pls") {
                    status = usageError(command, u"--format is m3u or pls."_s);
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
                status = usageError(command, u"--paths is never, always or decide."_s);
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

std::optional<PlaylistFormat> formatOf(const QString& path, const std::optional<QString>& given) {
    const auto word = given ? given : formatOfExtension(path);
    if (!word)
        return std::nullopt;
    return *word == u"pls" ? PlaylistFormat::Pls : PlaylistFormat::M3u;
}

// The songs of a playlist file; nullopt after a message naming the file and the reason.
std::optional<QVector<Entry>> readSongs(const QString& path, PlaylistFormat format) {
    QString reason;
    std::optional<QVector<Entry>> songs = readPlaylistFile(path, format, &reason);
    if (!songs)
        err(path + u": "_s + reason + u'\n');
    return songs;
}

// A song written into a playlist somewhere else must still lead to the same file: folderless
// and relative entries are taken as relative to the folder of the playlist they came from.
Entry anchored(Entry entry, const QString& folder) {
    if (entry.stream)
        return entry;
    if (entry.folder.isEmpty())
        entry.folder = folder;
    else if (QDir::isRelativePath(entry.folder))
        entry.folder = QDir::cleanPath(folder + u'/' + entry.folder);
    return entry;
}

// What an extended playlist says of a song: "artist - title" from its ID3v1 tag, else its file
// name (a stream: its address); the playing time in whole seconds, -1 when no frame is found.
SongInfo songInfo(const Entry& entry) {
    SongInfo info{entry.name, -1};
    if (entry.stream)
        return info;
    if (MP3Hdr header; ReadHeader(fullPath(entry), header))
        info.seconds = (header.HdrDurationMs + 500) / 1000;
    if (const std::optional<TagRecord> block = readTagBlock(fullPath(entry));
        block && block->isTag()) {
        const TagText tag = decodeTag(*block);
        if (!tag.title.isEmpty())
            info.title = tag.artist.isEmpty() ? tag.title : tag.artist + u" - "_s + tag.title;
    }
    return info;
}

int writeOut(const QString& outPath, PlaylistFormat format, const QVector<Entry>& entries,
             const Options& o) {
    PlaylistSave save;
    if (o.extended) {
        QVector<SongInfo> info;
        info.reserve(entries.size());
        for (const Entry& entry : entries)
            info << songInfo(entry);
        save = writePlaylistFile(outPath,
                                 writeExtendedPlaylist(format, entries, info, o.paths, outPath));
    } else {
        save = writePlaylistFile(outPath, format, entries, o.paths);
    }
    if (!save.refused.isEmpty())
        err(outPath + u": not written.\n"_s + refusalText(entries, save.refused) + u'\n');
    else if (!save.written)
        err(outPath + u": not written: "_s + save.reason + u'\n');
    return save.written ? kExitOk : kExitFailed;
}

int show(const Options& o) {
    if (o.operands.size() != 1)
        return usageError(u"playlist"_s, u"playlist show takes one FILE."_s);
    const Arg& file = o.operands.first();
    if (!file.decodable()) {
        err(QString::fromLocal8Bit(file.raw) + u": the file name is not valid text\n"_s);
        return kExitFailed;
    }
    const auto format = formatOf(file.text, o.format);
    if (!format)
        return usageError(u"playlist"_s,
                          file.text + u": unknown playlist extension; give --format."_s);
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
        return usageError(u"playlist"_s, u"playlist write takes OUT and at least one SONG."_s);
    const Arg& outArg = o.operands.first();
    const auto format = formatOf(outArg.text, o.format);
    if (!format)
        return usageError(u"playlist"_s,
                          outArg.text + u": unknown playlist extension; give --format."_s);
    if (!outArg.decodable()) {
        err(QString::fromLocal8Bit(outArg.raw) + u": the file name is not valid text\n"_s);
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
                u": the file name is not valid text; left out of the playlist\n"_s);
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
        return usageError(u"playlist"_s, u"playlist convert takes IN and OUT."_s);
    const Arg& in = o.operands[0];
    const Arg& outArg = o.operands[1];
    const auto inFormat = formatOf(in.text, std::nullopt);
    const auto outFormat = formatOf(outArg.text, o.format);
    if (!inFormat || !outFormat)
        return usageError(u"playlist"_s, u"unknown playlist extension (.m3u, .m3u8, .pls)."_s);
    if (!in.decodable() || !outArg.decodable()) {
        err(u"the file name is not valid text\n"_s);
        return kExitFailed;
    }
    std::optional<QVector<Entry>> entries = readSongs(in.text, *inFormat);
    if (!entries)
        return kExitFailed;
    const QString inFolder = QDir::toNativeSeparators(QFileInfo(in.text).absolutePath());
    for (Entry& entry : *entries)
        entry = anchored(std::move(entry), inFolder);
    return writeOut(QDir::toNativeSeparators(QFileInfo(outArg.text).absoluteFilePath()), *outFormat,
                    *entries, o);
}
int check(const Options& o) {
    if (o.operands.isEmpty())
        return usageError(u"playlist"_s, u"playlist check takes at least one LIST."_s);
    // Every list's format is known before any is read: a usage error prints nothing else.
    QVector<PlaylistFormat> formats;
    for (const Arg& list : o.operands) {
        const auto format = formatOf(list.text, o.format);
        if (!format)
            return usageError(u"playlist"_s,
                              list.text + u": unknown playlist extension; give --format."_s);
        formats << *format;
    }
    int status = kExitOk;
    for (qsizetype i = 0; i < o.operands.size(); ++i) {
        const Arg& list = o.operands[i];
        std::optional<QVector<Entry>> songs;
        if (!list.decodable())
            err(QString::fromLocal8Bit(list.raw) + u": the file name is not valid text\n"_s);
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
            located << anchored(entry, folder);
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

int playlistCommand(const QList<Arg>& args) {
    if (args.isEmpty())
        return usageError(u"playlist"_s, u"playlist needs show, write, convert or check."_s);
    const QString sub = args.first().text;
    if (asksForHelp(args)) {
        out(QString::fromLatin1(kPlaylistUsage));
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
    return usageError(u"playlist"_s, u"unknown playlist command '"_s + sub + u"'."_s);
}
