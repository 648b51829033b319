#include "core/text/AtomicFile.h"

#include "core/text/TextFiles.h"

#include <QSaveFile>

Result<> replaceFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A folder that allows no new files (a shared folder, a read-only parent) leaves no room for
    // the replacement: an existing file the user may write is then written in place, as a plain
    // editor would. QSaveFile follows a symbolic link to its target and gives the new file the
    // old one's permissions.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a disk that refuses bytes is seen at write() and not lost in a flush
    // that the commit would not notice.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return {};
}
