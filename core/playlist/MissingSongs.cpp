#include "core/playlist/MissingSongs.h"
#include "core/text/TextFiles.h"

#include <QHash>
#include <QThread>
#include <QThreadPool>

namespace {
struct Look {
    qsizetype row;
    QString path;
};

// Each look waits on the file system, so a full playlist's tens of thousands of them are shared
// among a few threads; a few hundred are done before a thread would have started.
void lookForSongs(const QVector<Look>& looks, bool* missing) {
    const auto lookAt = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            missing[looks[i].row] = !FileExists(looks[i].path);
    };
    constexpr qsizetype kLooksPerThread = 1024;
    const qsizetype cores = qBound(1, QThread::idealThreadCount(), 8);
    const qsizetype threads = qBound<qsizetype>(1, looks.size() / kLooksPerThread, cores);
    if (threads == 1) {
        lookAt(0, looks.size());
        return;
    }
    const qsizetype slice = (looks.size() + threads - 1) / threads;
    QThreadPool pool;
    pool.setMaxThreadCount(int(threads));
    for (qsizetype from = 0; from < looks.size(); from += slice)
        pool.start([&lookAt, from, to = qMin(from + slice, looks.size())] { lookAt(from, to); });
    pool.waitForDone();
}
} // namespace

QVector<bool> missingSongs(const QVector<Entry>& entries, const QString& bareFolder,
                           const PathStyle& style) {
    QVector<bool> missing(entries.size(), false);
    QVector<Look> looks;
    looks.reserve(entries.size());
    QHash<QString, bool> folderThere;
    Entry scratch; // an entry that needs its playlist's folder; most have their own
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].stream)
            continue;
        const Entry& entry = anchoredEntry(entries[i], bareFolder, scratch, style);
        const QString& folder = entry.folder;
        auto known = folderThere.constFind(folder);
        if (known == folderThere.cend())
            known = folderThere.insert(folder, folder.isEmpty() || FileExists(folder));
        if (*known)
            looks.append({i, fullPath(entry, style)});
        else
            missing[i] = true;
    }
    lookForSongs(looks, missing.data());
    return missing;
}
