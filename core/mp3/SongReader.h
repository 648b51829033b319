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
        const qint64 tailStart = file_.size() - tail_.size();
        if (!tail_.isEmpty() && pos >= tailStart)
            return QByteArray::fromRawData(tail_.constData() + (pos - tailStart),
                                           qMin(n, file_.size() - pos));
        return file_.readAt(pos, n);
    }
    // Reads the last n bytes once, for the questions asked about a song's end: its tags, its
    // last frames.
    [[nodiscard]] bool keepTail(qint64 n) {
        if (whole_ || file_.size() <= head_.size())
            return true;
        const qint64 from = qMax<qint64>(head_.size(), file_.size() - n);
        std::optional<QByteArray> tail = file_.readAt(from, file_.size() - from);
        if (tail)
            tail_ = std::move(*tail);
        return tail.has_value();
    }
    // The same as a view: into the head or the tail where they hold them, else read into
    // buffer.
    std::optional<QByteArrayView> viewAt(qint64 pos, qint64 n, QByteArray& buffer) {
        const bool inTail = !tail_.isEmpty() && pos >= file_.size() - tail_.size();
        if (pos + n <= head_.size() || whole_ || inTail) {
            const std::optional<QByteArray> held = bytesAt(pos, n); // raw: no copy, no read
            return QByteArrayView(*held);
        }
        if (!file_.readInto(buffer, pos, n))
            return std::nullopt;
        return QByteArrayView(buffer);
    }
    QByteArrayView head() const { return head_; }
    qint64 size() const { return file_.size(); }

private:
    SongFile& file_;
    QByteArray head_;
    QByteArray tail_;
    bool whole_;
};
