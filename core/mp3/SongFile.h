#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

// A song opened for reading: one open and one look at its size through the open file, then
// reads at given positions that move no file position. Reading a header or a tag from
// thousands of songs is mostly system calls, so each one counts.
class SongFile {
public:
    explicit SongFile(const QString& path);
    ~SongFile();
    SongFile(const SongFile&) = delete;
    SongFile& operator=(const SongFile&) = delete;

    // False when the song could not be opened, or is a folder; errorString() then says why.
    [[nodiscard]] bool isOpen() const;
    QString errorString() const { return error_; }
    qint64 size() const { return size_; }
    // Bytes [pos, pos + n), fewer at the end of the file (as long as it was when opened), so
    // that a forged length costs no memory; nullopt when reading fails.
    [[nodiscard]] std::optional<QByteArray> readAt(qint64 pos, qint64 n);
    // The same into buffer, which keeps its memory from one read to the next: a long walk
    // through a song then costs no allocation per read.
    [[nodiscard]] bool readInto(QByteArray& buffer, qint64 pos, qint64 n);

private:
#ifdef Q_OS_UNIX
    int fd_ = -1;
#else
    struct Fallback;
    std::unique_ptr<Fallback> file_;
#endif
    qint64 size_ = 0;
    QString error_;
};
