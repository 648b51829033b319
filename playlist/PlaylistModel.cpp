#include "playlist/PlaylistModel.h"

#include <QSet>
#include <utility>

PlaylistModel::PlaylistModel(QObject* parent, const PathStyle& style)
    : QAbstractListModel(parent), style_(style) {}

int PlaylistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return at(index.row()).text();
}

int PlaylistModel::longestRow() const {
    int longest = -1;
    qsizetype most = -1;
    for (int row = 0; row < count(); ++row) {
        const Entry& entry = at(row);
        if (entry.name.size() + entry.folder.size() > most) {
            most = entry.name.size() + entry.folder.size();
            longest = row;
        }
    }
    return longest;
}

bool PlaylistModel::append(const QVector<Entry>& songs, Match match, const AddAgain& addAgain) {
    const auto key = [match](const Entry& entry) {
        return match == Match::IgnoringCase ? entry.text().toLower() : entry.text();
    };
    // Every song is looked up in a set of the texts, so a drop costs the same for the
    // ten-thousandth song as for the first.
    QSet<QString> present;
    present.reserve(count() + songs.size());
    for (const Entry& entry : std::as_const(entries_))
        present.insert(key(entry));
    qsizetype waiting = 0; // songs[waiting...] are not appended yet
    for (qsizetype i = 0; i < songs.size(); ++i) {
        QString text = key(songs[i]);
        if (!present.contains(text)) {
            present.insert(std::move(text));
            continue;
        }
        appendRun(songs, waiting, i);
        waiting = i;
        if (!addAgain(i))
            return false;
    }
    appendRun(songs, waiting, songs.size());
    return true;
}

void PlaylistModel::append(const QVector<Entry>& songs) {
    appendRun(songs, 0, songs.size());
}

void PlaylistModel::appendRun(const QVector<Entry>& songs, qsizetype from, qsizetype to) {
    if (from >= to)
        return;
    beginInsertRows({}, count(), int(count() + to - from - 1));
    entries_.append(QVector<Entry>(songs.begin() + from, songs.begin() + to));
    endInsertRows();
}

void PlaylistModel::swap(int row, int other) {
    std::swap(entries_[row], entries_[other]);
    Q_EMIT dataChanged(index(row), index(row));
    Q_EMIT dataChanged(index(other), index(other));
}

void PlaylistModel::remove(const QVector<bool>& flags) {
    const qsizetype n = entries_.size();
    const qsizetype end = std::min(n, flags.size());
    Entry* const e = entries_.data();
    // Rows before kept are final; from next on the rows stand as they were. Between the two
    // lies the gap, which at() steps over.
    qsizetype kept = 0;
    qsizetype next = 0;
    const auto closeUpTo = [&](qsizetype row) {
        for (; next < row; ++next, ++kept)
            if (kept != next)
                e[kept] = std::move(e[next]);
    };
    for (qsizetype row = 0; row < end;) {
        if (!flags[row]) {
            ++row;
            continue;
        }
        qsizetype last = row;
        while (last + 1 < end && flags[last + 1])
            ++last;
        closeUpTo(row);
        gapAt_ = kept;
        gapSize_ = next - kept;
        beginRemoveRows({}, int(kept), int(kept + last - row));
        for (qsizetype i = row; i <= last; ++i)
            e[i] = {};
        next = last + 1;
        gapSize_ = next - kept;
        endRemoveRows();
        row = last + 1;
    }
    closeUpTo(n);
    gapAt_ = gapSize_ = 0;
    entries_.resize(kept);
}

void PlaylistModel::clear() {
    replace({});
}

void PlaylistModel::replace(QVector<Entry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

bool PlaylistModel::load(const QString& path, PlaylistFormat format, QString* reason) {
    std::optional<QVector<Entry>> songs = readPlaylistFile(path, format, reason, style_);
    if (!songs)
        return false;
    replace(std::move(*songs));
    return true;
}

PlaylistSave PlaylistModel::save(const QString& path, PlaylistFormat format, PathMode mode) const {
    return writePlaylistFile(path, format, entries_, mode, style_);
}
