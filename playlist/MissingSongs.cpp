#include "playlist/MissingSongs.h"

#include <QHash>

QVector<bool> missingSongs(const QVector<Entry>& entries, const QString& bareFolder,
                           const PathStyle& style) {
    QVector<bool> missing(entries.size(), false);
    QHash<QString, bool> folderThere;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (entry.stream)
            continue;
        const QString& folder = entry.folder.isEmpty() ? bareFolder : entry.folder;
        auto known = folderThere.constFind(folder);
        if (known == folderThere.cend())
            known = folderThere.insert(folder, folder.isEmpty() || FileExists(folder));
        missing[i] = !*known || !FileExists(songPath(entry, bareFolder, style));
    }
    return missing;
}
