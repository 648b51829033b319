#pragma once

#include "core/mp3/SongFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// Reads from an open song, reusing the bytes already read from its start: most questions about
// a song are answered by its first few kilobytes, or by its last few.
class SongReader {
public:
    // head: the first bytes of the file; when shorter than asked for, the whole file.
    SongReader(SongFile& file, QByteArray head, bool headIsWholeFile)
        : file_(file), head_(std::move(head)), whole_(headIsWholeFile) {}

    // Bytes [pos, pos + n), fewer at the end of the file; nullopt when reading fails. Bytes the
    // head holds are not copied: they stay valid as long as this reader.
    std::optional<QByteArray> bytesAt(qint64 pos, qint64 n) {
        if (pos + n <= head_.size() || whole_)
            return pos < head_.size() ? QByteArray::fromRawData(head_.constData() + pos,
                                                                qMin(n, head_.size() - pos))
                                      : QByteArray();
        return file_.readAt(pos, n);
    }
    // The same as a view: into the head where it holds them, else read into buffer.
    std::optional<QByteArrayView> viewAt(qint64 pos, qint64 n, QByteArray& buffer) {
        if (pos + n <= head_.size() || whole_)
            return pos < head_.size()
                       ? QByteArrayView(head_).sliced(pos, qMin(n, head_.size() - pos))
                       : QByteArrayView();
        if (!file_.readInto(buffer, pos, n))
            return std::nullopt;
        return QByteArrayView(buffer);
    }
    QByteArrayView head() const { return head_; }
    qint64 size() const { return file_.size(); }

private:
    SongFile& file_;
    QByteArray head_;
    bool whole_;
};
