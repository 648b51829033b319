#include "core/playlist/LibraryIndex.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
#ifndef Q_OS_UNIX
bool isMp3Name(QStringView name) {
    return name.endsWith(u".mp3", Qt::CaseInsensitive);
}
#endif

QString childPath(const QString& folder, const QString& name, QChar separator) {
    return folder.endsWith(separator) ? folder + name : folder + separator + name;
}

#ifdef Q_OS_UNIX
// The test on the raw name spares decoding every cover picture and text file of a library.
bool isMp3Name(const char* name, size_t length) {
    return length > 4 && name[length - 4] == '.' && (name[length - 3] | 0x20) == 'm' &&
           (name[length - 2] | 0x20) == 'p' && name[length - 1] == '3';
}

// What a folder entry is, asking the file system only when the folder listing does not say.
enum class Kind { Folder, File, Other };
Kind kindOf(int dirFd, const dirent& item) {
    switch (item.d_type) {
    case DT_DIR:
        return Kind::Folder;
    case DT_REG:
        return Kind::File;
    case DT_LNK:
    case DT_UNKNOWN:
        break;
    default:
        return Kind::Other;
    }
    struct stat st {};
    if (fstatat(dirFd, item.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return Kind::Other;
    if (S_ISDIR(st.st_mode))
        return Kind::Folder;
    // A link to a song is a song; a link to a folder is not followed.
    if (S_ISLNK(st.st_mode) && fstatat(dirFd, item.d_name, &st, 0) != 0)
        return Kind::Other;
    return S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
}
#endif
} // namespace

int LibraryIndex::addFolderPath(QString path) {
    folders_ << std::move(path);
    return int(folders_.size() - 1);
}

void LibraryIndex::addFile(int folder, QString name) {
    QString key = style_.folded(name);
    auto [at, added] = latest_.try_emplace(std::move(key), int(files_.size()));
    files_.push_back({folder, added ? -1 : at->second, std::move(name)});
    if (!added)
        at->second = int(files_.size() - 1);
}

bool LibraryIndex::addFolder(const QString& folder) {
    QString root = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return false;
    return walk(root);
}

#ifdef Q_OS_UNIX
bool LibraryIndex::walk(const QString& root) {
    // Folders wait by their path's bytes rather than as open folders: a folder of ten thousand
    // subfolders would otherwise hold ten thousand descriptors.
    struct Waiting {
        QByteArray path;
        int folder;
    };
    std::vector<Waiting> todo{{QFile::encodeName(root), addFolderPath(root)}};
    bool first = true;
    while (!todo.empty()) {
        const Waiting here = std::move(todo.back());
        todo.pop_back();
        // Only the folder the user named may be a link; below it links to folders are skipped.
        const int fd = ::open(here.path.constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC | (first ? 0 : O_NOFOLLOW));
        DIR* dir = fd >= 0 ? fdopendir(fd) : nullptr;
        if (!dir) {
            if (fd >= 0)
                ::close(fd);
            if (first)
                return false;
            continue;
        }
        first = false;
        const size_t belowFrom = todo.size();
        while (const dirent* item = readdir(dir)) {
            const char* name = item->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            const size_t length = std::strlen(name);
            const bool mp3 = isMp3Name(name, length);
            if (item->d_type == DT_REG && !mp3)
                continue;
            const Kind kind = kindOf(fd, *item);
            if (kind == Kind::File && mp3) {
                addFile(here.folder,
                        QFile::decodeName(QByteArray::fromRawData(name, qsizetype(length))));
            } else if (kind == Kind::Folder) {
                QByteArray path = here.path;
                if (!path.endsWith('/'))
                    path += '/';
                path.append(name, qsizetype(length));
                const QString folder =
                    childPath(folders_[here.folder],
                              QFile::decodeName(QByteArray::fromRawData(name, qsizetype(length))),
                              style_.separator);
                todo.push_back({std::move(path), addFolderPath(folder)});
            }
        }
        closedir(dir);
        // Taken from the back: the first subfolder found is walked first.
        std::reverse(todo.begin() + qsizetype(belowFrom), todo.end());
    }
    return true;
}
#else
bool LibraryIndex::walk(const QString& root) {
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    QHash<QString, int> folderOf;
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!isMp3Name(info.fileName()))
            continue;
        const QString folder = QDir::toNativeSeparators(info.path());
        auto known = folderOf.constFind(folder);
        if (known == folderOf.cend())
            known = folderOf.insert(folder, addFolderPath(folder));
        addFile(*known, info.fileName());
    }
    return true;
}
#endif

QStringList LibraryIndex::find(const QString& name) const {
    QStringList paths;
    const auto at = latest_.find(style_.folded(name));
    if (at == latest_.end())
        return paths;
    for (int i = at->second; i >= 0; i = files_[size_t(i)].next)
        paths << childPath(folders_[files_[size_t(i)].folder], files_[size_t(i)].name,
                           style_.separator);
    paths.sort(); // the order a folder lists its files in is the file system's own
    return paths;
}
