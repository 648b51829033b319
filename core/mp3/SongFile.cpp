#include "core/mp3/SongFile.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The path as the system takes it. Nearly every path is ASCII, which needs no encoder.
QByteArray nativePath(const QString& path) {
    const bool ascii =
        std::all_of(path.cbegin(), path.cend(), [](QChar c) { return c.unicode() < 0x80; });
    return ascii ? path.toLatin1() : QFile::encodeName(path);
}
} // namespace

SongFile::SongFile(const QString& path) {
    const QByteArray name = nativePath(path);
    do
        fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    while (fd_ < 0 && errno == EINTR);
    struct stat info;
    int why = 0;
    if (fd_ < 0 || ::fstat(fd_, &info) != 0)
        why = errno;
    else if (S_ISDIR(info.st_mode))
        why = EISDIR;
    else {
        size_ = info.st_size;
        return;
    }
    // The reason QFile would give, so that messages do not depend on how the song was opened.
    error_ = qt_error_string(why);
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

SongFile::~SongFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool SongFile::isOpen() const {
    return fd_ >= 0;
}

std::optional<QByteArray> SongFile::readAt(qint64 pos, qint64 n) {
    QByteArray bytes;
    if (!readInto(bytes, pos, n))
        return std::nullopt;
    return bytes;
}

bool SongFile::readInto(QByteArray& bytes, qint64 pos, qint64 n) {
    n = qBound<qint64>(0, n, size_ - pos); // a length read from a song may be forged
    bytes.resize(n);
    qint64 got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd_, bytes.data() + got, size_t(n - got), off_t(pos + got));
        if (r == 0)
            break;
        if (r < 0 && errno != EINTR)
            return false;
        got += qMax<ssize_t>(r, 0);
    }
    bytes.resize(got); // keeps the capacity
    return true;
}
#else
// Elsewhere a QFile does the same with a few more system calls.
struct SongFile::Fallback {
    QFile file;
};

SongFile::SongFile(const QString& path) : file_(std::make_unique<Fallback>()) {
    file_->file.setFileName(path);
    if (file_->file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        size_ = file_->file.size();
    else
        error_ = file_->file.errorString();
}

SongFile::~SongFile() = default;

bool SongFile::isOpen() const {
    return file_->file.isOpen();
}

std::optional<QByteArray> SongFile::readAt(qint64 pos, qint64 n) {
    if (!file_->file.seek(pos))
        return std::nullopt;
    QByteArray bytes = file_->file.read(qBound<qint64>(0, n, size_ - pos));
    if (file_->file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool SongFile::readInto(QByteArray& bytes, qint64 pos, qint64 n) {
    std::optional<QByteArray> read = readAt(pos, n);
    if (read)
        bytes = std::move(*read);
    return read.has_value();
}
#endif
