#include "core/playlist/ShellDrop.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

std::optional<QStringList> droppedFiles(const QMimeData& data) {
    if (!data.hasUrls())
        return std::nullopt;
    QStringList paths;
    for (const QUrl& url : data.urls())
        paths << (url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : QString());
    return paths;
}

bool hasMp3Ending(const QString& path) {
    return path.endsWith(u".mp3", Qt::CaseInsensitive);
}

Qt::DropAction shellDragAnswer(const QMimeData& data, Qt::DropAction proposed) {
    const std::optional<QStringList> files = droppedFiles(data);
    if (!files)
        return proposed;
    return !files->isEmpty() && hasMp3Ending(files->first()) ? Qt::CopyAction : Qt::IgnoreAction;
}
