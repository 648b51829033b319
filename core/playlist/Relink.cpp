#include "core/playlist/Relink.h"

#include "core/mp3/MP3Hdr.h"
#include "core/playlist/MissingSongs.h"

#include <cstdlib>

namespace {
// How many folders, counted from the song upwards, two folders have in common: /old/Artist/Album
// and /new/Music/Artist/Album share two.
int sharedTail(QStringView a, QStringView b, const PathStyle& style) {
    const Qt::CaseSensitivity cs = style.ignoresCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    int shared = 0;
    while (!a.isEmpty() && !b.isEmpty()) {
        const qsizetype sa = a.lastIndexOf(style.separator);
        const qsizetype sb = b.lastIndexOf(style.separator);
        if (a.sliced(sa + 1).compare(b.sliced(sb + 1), cs) != 0)
            break;
        ++shared;
        if (sa < 0 || sb < 0)
            break;
        a.truncate(sa);
        b.truncate(sb);
    }
    return shared;
}

// The candidates that share the longest tail of folders with the old path.
QStringList closestFolders(const QStringList& candidates, const QString& oldPath,
                           const PathStyle& style) {
    // The candidates are full paths in the style's separators, so each one's folder is the text
    // before its last separator.
    const auto folderOf = [&](QStringView path) {
        return path.left(qMax<qsizetype>(0, path.lastIndexOf(style.separator)));
    };
    const QStringView oldFolder = folderOf(oldPath);
    QStringList closest;
    int best = -1;
    for (const QString& candidate : candidates) {
        const int shared = sharedTail(oldFolder, folderOf(candidate), style);
        if (shared > best) {
            best = shared;
            closest.clear();
        }
        if (shared == best)
            closest << candidate;
    }
    return closest;
}

// The one candidate whose playing time is within a second of the recorded one: a playlist
// writer may round the time or cut it off.
QString samePlayingTime(const QStringList& candidates, qint64 recorded,
                        const SongSeconds& songSeconds) {
    QString match;
    for (const QString& candidate : candidates) {
        const qint64 seconds = songSeconds(candidate);
        if (seconds < 0 || std::llabs(seconds - recorded) > 1)
            continue;
        if (!match.isEmpty())
            return {};
        match = candidate;
    }
    return match;
}
} // namespace

qint64 songSecondsOfFile(const QString& path) {
    MP3Hdr header;
    if (!ReadHeader(path, header)) // true only when a stream was found and measured
        return -1;
    return (header.HdrDurationMs + 500) / 1000;
}

QVector<RelinkedEntry> relinkMissing(const QVector<Entry>& entries, const QString& bareFolder,
                                     const LibraryIndex& library, const QVector<qint64>& seconds,
                                     const SongSeconds& songSeconds, const PathStyle& style) {
    const QVector<bool> missing = missingSongs(entries, bareFolder, style);
    QVector<RelinkedEntry> relinked;
    relinked.reserve(entries.size());
    EntryMaker make(style);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        RelinkedEntry& r = relinked.emplace_back();
        r.entry = entries[i];
        if (!missing[i])
            continue;
        r.oldPath = songPath(entries[i], bareFolder, style);
        QStringList candidates = library.find(entries[i].name);
        if (candidates.size() > 1)
            candidates = closestFolders(candidates, r.oldPath, style);
        const qint64 recorded = i < seconds.size() ? seconds[i] : -1;
        if (candidates.size() > 1 && recorded >= 0) {
            const QString match = samePlayingTime(candidates, recorded, songSeconds);
            if (!match.isEmpty())
                candidates = {match};
        }
        if (candidates.isEmpty()) {
            r.outcome = RelinkOutcome::NotFound;
        } else if (candidates.size() > 1) {
            r.outcome = RelinkOutcome::Ambiguous;
            r.candidates = std::move(candidates);
        } else {
            r.outcome = RelinkOutcome::Found;
            r.entry = make.fromPath(candidates.first());
        }
    }
    return relinked;
}

RelinkCounts countOutcomes(const QVector<RelinkedEntry>& relinked) {
    RelinkCounts counts;
    for (const RelinkedEntry& r : relinked) {
        counts.found += r.outcome == RelinkOutcome::Found;
        counts.ambiguous += r.outcome == RelinkOutcome::Ambiguous;
        counts.notFound += r.outcome == RelinkOutcome::NotFound;
    }
    return counts;
}
