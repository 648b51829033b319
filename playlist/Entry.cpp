#include "playlist/Entry.h"

#include "app/LeadingNumber.h"
#include "playlist/PlaylistText.h"

#include <QFileInfo>

QString FileOnly(const QString& path, const PathStyle& style) {
    return path.mid(path.lastIndexOf(style.separator) + 1);
}

QString FolderOnly(const QString& path, const PathStyle& style) {
    const qsizetype last = path.lastIndexOf(style.separator);
    if (last < 0)
        return {};
    QString folder = path.left(last);
    if (folder.endsWith(style.separator))
        folder.chop(1);
    return folder;
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

namespace {
// A folder as an entry keeps it: one trailing separator removed, case folded where the file
// system ignores case. The POSIX root stays "/" so that the entry still leads to the song.
QString entryFolder(QString folder, const PathStyle& style) {
    const bool posixRoot = !style.ignoresCase && folder == QString(style.separator);
    if (folder.endsWith(style.separator) && !posixRoot)
        folder.chop(1);
    return style.folded(folder);
}
} // namespace

void PickAPart(const QString& what, QString& fonly, QString& full, const PathStyle& style) {
    fonly = full = what;
    if (what.size() < 2)
        return;
    const qsizetype p = what.indexOf(u'{');
    if (p < 1)
        return;
    const QString name = trimBlanks(QStringView(what).left(p)).toString();
    QString rest = trimBlanks(QStringView(what).mid(p + 1)).toString();
    fonly = full = name;
    if (rest == u"}")
        return;
    if (rest.endsWith(u'}'))
        rest.chop(1);
    full = rest + (rest.endsWith(style.separator) ? QString() : QString(style.separator)) + name;
}

Entry entryFromPath(const QString& path, const PathStyle& style) {
    QString folder = FolderOnly(path, style);
    if (folder.isEmpty() && !style.ignoresCase && path.startsWith(style.separator))
        folder = style.separator; // a song in the root folder
    return {FileOnly(path, style), entryFolder(folder, style)};
}

Entry entryFromFolderAndName(const QString& folder, const QString& name, const PathStyle& style) {
    return {name, entryFolder(folder, style)};
}

Entry entryFromText(const QString& text, const PathStyle& style) {
    QString fonly, full;
    PickAPart(text, fonly, full, style);
    if (full == fonly)
        return {fonly, {}};
    QString folder = full.left(full.size() - fonly.size());
    if (folder.size() > 1 && folder.endsWith(style.separator))
        folder.chop(1);
    return {fonly, folder};
}

QString fullPath(const Entry& entry, const PathStyle& style) {
    if (entry.folder.isEmpty())
        return entry.name;
    return entry.folder +
           (entry.folder.endsWith(style.separator) ? QString() : QString(style.separator)) +
           entry.name;
}

PathMode pathModeFromText(const QString& usePaths) {
    const double value = leadingNumber(usePaths);
    if (value == 0)
        return PathMode::Never;
    if (value == 1)
        return PathMode::Always;
    return PathMode::Decide;
}

QString playlistLine(const Entry& entry, PathMode mode, const QString& playlistPath,
                     const PathStyle& style) {
    const QString full = fullPath(entry, style);
    switch (mode) {
    case PathMode::Never:
        return entry.name;
    case PathMode::Always:
        return full;
    case PathMode::Decide:
        break;
    }
    const bool sameFolder =
        style.folded(FolderOnly(full, style)) == style.folded(FolderOnly(playlistPath, style));
    return sameFolder ? entry.name : full;
}
