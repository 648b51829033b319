#include "core/playlist/Entry.h"

#include "core/playlist/PlaylistText.h"
#include "core/playlist/SongAddress.h"
#include "core/text/TextFiles.h"

#include <QDir>
#include <algorithm>

namespace {
// FileOnly and FolderOnly as views into the path, for the loops over whole playlists.
qsizetype lastSeparator(QStringView path, QChar separator) {
    qsizetype i = path.size() - 1;
    while (i >= 0 && path[i] != separator)
        --i;
    return i;
}

QStringView fileView(QStringView path, qsizetype last) {
    return path.mid(last + 1);
}

QStringView folderView(QStringView path, qsizetype last, QChar separator) {
    QStringView folder = path.first(qMax<qsizetype>(last, 0)); // none without a separator
    if (folder.endsWith(separator))
        folder.chop(1);
    return folder;
}

QStringView folderView(QStringView path, QChar separator) {
    return folderView(path, lastSeparator(path, separator), separator);
}
} // namespace

QString FileOnly(const QString& path, const PathStyle& style) {
    return fileView(path, lastSeparator(path, style.separator)).toString();
}

QString FolderOnly(const QString& path, const PathStyle& style) {
    return folderView(path, style.separator).toString();
}

namespace {
// A folder as an entry keeps it: one trailing separator removed, case folded where the file
// system ignores case (see entryFolder). The POSIX root stays "/" so that the entry still leads
// to the song.
QStringView entryFolderView(QStringView folder, const PathStyle& style) {
    const bool posixRoot = !style.ignoresCase && folder.size() == 1 && folder[0] == style.separator;
    if (folder.endsWith(style.separator) && !posixRoot)
        folder.chop(1);
    return folder;
}

QString entryFolder(QStringView folder, const PathStyle& style) {
    const QStringView kept = entryFolderView(folder, style);
    return style.ignoresCase ? kept.toString().toLower() : kept.toString();
}

// The folder of the song at path, before entryFolder: the text before its last separator.
QStringView songFolder(QStringView path, qsizetype last, const PathStyle& style) {
    const QStringView folder = folderView(path, last, style.separator);
    if (folder.isEmpty() && !style.ignoresCase && path.startsWith(style.separator))
        return path.left(1); // a song in the root folder
    return folder;
}
} // namespace

void PickAPart(const QString& what, QString& fonly, QString& full, const PathStyle& style) {
    fonly = full = what;
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

Entry entryFromPath(QStringView path, const PathStyle& style) {
    const qsizetype last = lastSeparator(path, style.separator);
    return {fileView(path, last).toString(), entryFolder(songFolder(path, last, style), style)};
}

Entry EntryMaker::fromPath(QStringView path) {
    const qsizetype last = lastSeparator(path, style_.separator);
    const QStringView folder = songFolder(path, last, style_);
    const QString folded = style_.ignoresCase ? entryFolder(folder, style_) : QString();
    const QStringView key =
        style_.ignoresCase ? QStringView(folded) : entryFolderView(folder, style_);
    // The songs of one folder mostly follow each other: the last song's folder is tried first.
    if (!lastFolder_ || *lastFolder_ != key) {
        auto known = folders_.find(key);
        if (known == folders_.end())
            known = folders_.insert(key.toString()).first;
        lastFolder_ = &*known;
    }
    return {fileView(path, last).toString(), *lastFolder_};
}

Entry entryFromFolderAndName(const QString& folder, const QString& name, const PathStyle& style) {
    return {name, entryFolder(folder, style)};
}

QString fullPath(const Entry& entry, const PathStyle& style) {
    if (entry.folder.isEmpty())
        return entry.name;
    QString full;
    full.reserve(entry.folder.size() + 1 + entry.name.size());
    full += entry.folder;
    if (!entry.folder.endsWith(style.separator))
        full += style.separator;
    full += entry.name;
    return full;
}

namespace {
bool isRelativeFolder(const QString& folder, const PathStyle& style) {
    if (folder.startsWith(style.separator))
        return false;
    // A Windows folder with a drive (c:, c:\music) is not relative to anything.
    return !(style.ignoresCase && folder.size() >= 2 && folder[1] == u':');
}
} // namespace

Entry anchoredEntry(Entry entry, const QString& bareFolder, const PathStyle& style) {
    if (entry.stream || bareFolder.isEmpty())
        return entry;
    if (entry.folder.isEmpty()) {
        entry.folder = bareFolder;
    } else if (isRelativeFolder(entry.folder, style)) {
        // ".." and "." are resolved in the text, so that the entry shows where the song is.
        QString joined = bareFolder + style.separator + entry.folder;
        joined.replace(style.separator, u'/');
        joined = QDir::cleanPath(joined);
        entry.folder = style.folded(joined.replace(u'/', style.separator));
    }
    return entry;
}

const Entry& anchoredEntry(const Entry& entry, const QString& bareFolder, Entry& scratch,
                           const PathStyle& style) {
    const bool stays = entry.stream || bareFolder.isEmpty() ||
                       (!entry.folder.isEmpty() && !isRelativeFolder(entry.folder, style));
    if (stays)
        return entry;
    scratch = anchoredEntry(entry, bareFolder, style);
    return scratch;
}

QString songPath(const Entry& entry, const QString& bareFolder, const PathStyle& style) {
    return fullPath(anchoredEntry(entry, bareFolder, style), style);
}

QStringView playlistLine(const Entry& entry, PathMode mode, const QString& playlistPath,
                         QString& buffer, const PathStyle& style) {
    if (mode == PathMode::Never || entry.folder.isEmpty() || entry.stream)
        return entry.name;
    // As fullPath, into memory that the previous line already had.
    const bool separate = !entry.folder.endsWith(style.separator);
    buffer.resize(entry.folder.size() + (separate ? 1 : 0) + entry.name.size());
    QChar* out = std::copy(entry.folder.cbegin(), entry.folder.cend(), buffer.data());
    if (separate)
        *out++ = style.separator;
    std::copy(entry.name.cbegin(), entry.name.cend(), out);
    if (mode == PathMode::Always)
        return buffer;
    // The last separator is the one before the name, unless the name holds one: the quick look
    // for one spares a character by character search from the end.
    const qsizetype nameStart = buffer.size() - entry.name.size();
    const QStringView folder = entry.name.contains(style.separator)
                                   ? folderView(buffer, style.separator)
                                   : folderView(buffer, nameStart - 1, style.separator);
    const QStringView playlistFolder = folderView(playlistPath, style.separator);
    const Qt::CaseSensitivity cs = style.ignoresCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    // Folders of other lengths differ in either case (case is folded character by character).
    const bool sameFolder =
        folder.size() == playlistFolder.size() && folder.compare(playlistFolder, cs) == 0;
    return sameFolder ? QStringView(entry.name) : QStringView(buffer);
}

Entry entryFromLine(QStringView line, const PathStyle& style) {
    if (!isAddress(line))
        return entryFromPath(line, style);
    if (const std::optional<QString> path = localPathOfFileUri(line, style))
        return entryFromPath(*path, style);
    return Entry{line.toString(), {}, true};
}
