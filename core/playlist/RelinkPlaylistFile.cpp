#include "core/playlist/RelinkPlaylistFile.h"

#include "core/playlist/RecordedSongInfo.h"
#include "core/text/TextFiles.h"

namespace {
QVector<Entry> rewritten(const QVector<Entry>& read, const QVector<RelinkedEntry>& relinked,
                         const QString& playlistFolder, const PathStyle& style) {
    const Qt::CaseSensitivity cs = style.ignoresCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    QVector<Entry> entries = read;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (relinked[i].outcome != RelinkOutcome::Found)
            continue;
        const Entry& found = relinked[i].entry;
        const bool bare = read[i].folder.isEmpty() && found.folder.compare(playlistFolder, cs) == 0;
        entries[i] = bare ? Entry{found.name, {}} : found;
    }
    return entries;
}
} // namespace

PlaylistRelink relinkPlaylistFile(const QString& path, PlaylistFormat format,
                                  const LibraryIndex& library, bool dryRun,
                                  const SongSeconds& songSeconds, const PathStyle& style) {
    PlaylistRelink result;
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes) {
        result.reason = bytes.reason();
        return result;
    }
    result.read = true;
    const QVector<Entry> read = parsePlaylist(format, *bytes, style);
    QVector<SongInfo> info = recordedSongInfo(format, *bytes);
    if (!info.isEmpty() && info.size() != read.size())
        info.clear(); // cannot happen while both read the same lines; then nothing is matched
    const QString folder = entryFromPath(path, style).folder;
    QVector<Entry> located;
    QVector<qint64> seconds;
    located.reserve(read.size());
    for (qsizetype i = 0; i < read.size(); ++i) {
        located << anchoredEntry(read[i], folder, style);
        seconds << (info.isEmpty() ? -1 : info[i].seconds);
    }
    result.entries = relinkMissing(located, folder, library, seconds, songSeconds, style);
    result.counts = countOutcomes(result.entries);
    if (dryRun || result.counts.found == 0)
        return result;
    const QVector<Entry> entries = rewritten(read, result.entries, folder, style);
    // Every entry keeps its written form: bare stays bare, a path stays a path.
    const WrittenPlaylist written =
        info.isEmpty()
            ? writePlaylist(format, entries, PathMode::Always, path, style)
            : writeExtendedPlaylist(format, entries, info, PathMode::Always, path, style);
    const Result<> saved = writePlaylistFile(path, written, entries, style);
    result.written = saved.ok();
    result.notWritten = saved.reason();
    return result;
}
