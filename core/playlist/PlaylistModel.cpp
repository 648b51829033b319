#include "core/playlist/PlaylistModel.h"

#include "core/playlist/MissingSongs.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

PlaylistModel::PlaylistModel(QObject* parent, const PathStyle& style)
    : QAbstractListModel(parent), style_(style) {}

int PlaylistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    if (role == Qt::DisplayRole)
        return at(row).text();
    if (role == MissingRole)
        return isMissing(row);
    if (role == Qt::ToolTipRole && isMissing(row))
        return QCoreApplication::translate("PlaylistModel", "File not found: ") +
               songPath(at(row), checkedFolder_, style_);
    return {};
}

void PlaylistModel::checkFiles(const QString& bareFolder, int fromRow) {
    QVector<bool> missing = missing_;
    missing.resize(count());
    const QVector<bool> looked =
        missingSongs(fromRow > 0 ? entries_.mid(fromRow) : entries_, bareFolder, style_);
    std::copy(looked.begin(), looked.end(), missing.begin() + fromRow);
    checkedFolder_ = bareFolder;
    // One signal for the span of changed rows: a first check of a large playlist changes most.
    int first = -1, last = -1;
    for (int row = 0; row < count(); ++row)
        if (missing[row] != isMissing(row)) {
            first = first < 0 ? row : first;
            last = row;
        }
    missing_ = std::move(missing);
    if (first >= 0)
        Q_EMIT dataChanged(index(first), index(last), {MissingRole, Qt::ToolTipRole});
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
    setModified(true);
}

void PlaylistModel::replaceAt(const QVector<int>& rows, const QVector<Entry>& songs) {
    if (rows.isEmpty())
        return;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        entries_[rows[i]] = songs[i];
        if (rows[i] < missing_.size())
            missing_[rows[i]] = false;
    }
    const auto [first, last] = std::minmax_element(rows.begin(), rows.end());
    Q_EMIT dataChanged(index(*first), index(*last));
    setModified(true);
}

void PlaylistModel::swap(int row, int other) {
    std::swap(entries_[row], entries_[other]);
    if (isMissing(row) != isMissing(other)) {
        missing_.resize(std::max(qsizetype(count()), missing_.size()));
        std::swap(missing_[row], missing_[other]);
    }
    Q_EMIT dataChanged(index(row), index(row));
    Q_EMIT dataChanged(index(other), index(other));
    setModified(row != other);
}

void PlaylistModel::remove(const QVector<bool>& flags) {
    const int n = count();
    const auto doomed = [&](int row) { return row < flags.size() && flags[row]; };
    int first = 0;
    while (first < n && !doomed(first))
        ++first;
    if (first == n)
        return;
    int last = first;
    while (last + 1 < n && doomed(last + 1))
        ++last;
    if (flags.indexOf(true, last + 1) != -1) { // doomed rows apart from this run
        // Each removal makes Qt walk a table of every index it has kept for the model's users, a
        // table that a large selection leaves large. So the doomed rows gather at the end in one
        // change of layout (the rest keeping their order) and leave together.
        Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        QVector<int> moved(n);
        QVector<Entry> reordered;
        QVector<bool> marks;
        reordered.reserve(n);
        marks.reserve(n);
        for (const bool gathering : {false, true}) {
            if (gathering)
                first = int(reordered.size());
            for (int row = 0; row < n; ++row)
                if (doomed(row) == gathering) {
                    moved[row] = int(reordered.size());
                    reordered << std::move(entries_[row]);
                    marks << isMissing(row);
                }
        }
        entries_ = std::move(reordered);
        missing_ = std::move(marks);
        const QModelIndexList from = persistentIndexList();
        QModelIndexList to;
        for (const QModelIndex& index : from)
            to << this->index(moved[index.row()]);
        changePersistentIndexList(from, to);
        Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
        last = n - 1;
    }
    beginRemoveRows({}, first, last);
    entries_.remove(first, last - first + 1);
    if (first < missing_.size())
        missing_.remove(first, std::min(qsizetype(last) + 1, missing_.size()) - first);
    endRemoveRows();
    setModified(true);
}

void PlaylistModel::clear() {
    replace({});
    setPlaylistFile({}, format_);
    setModified(false);
}

void PlaylistModel::setPlaylistFile(const QString& path, PlaylistFormat format) {
    format_ = format;
    bareFolder_ = FolderOnly(path, style_);
    if (path == filePath_)
        return;
    filePath_ = path;
    Q_EMIT filePathChanged(filePath_);
}

void PlaylistModel::setModified(bool modified) {
    if (modified == modified_)
        return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified_);
}

void PlaylistModel::replace(QVector<Entry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    missing_.clear();
    endResetModel();
}

Result<> PlaylistModel::load(const QString& path, PlaylistFormat fallback) {
    Result<PlaylistRead> read = readPlaylistFile(path, fallback, style_);
    if (!read)
        return fail(read.reason());
    replace(std::move(read->entries));
    setPlaylistFile(path, read->format);
    setModified(false);
    return {};
}

Result<> PlaylistModel::save(const QString& path, PlaylistFormat format, PathMode mode) {
    const QString folder = FolderOnly(path, style_);
    // Entries that belong to the old folder must name the same songs from the new one.
    QVector<Entry> anchored;
    if (!bareFolder_.isEmpty() && style_.folded(folder) != style_.folded(bareFolder_) &&
        std::any_of(entries_.cbegin(), entries_.cend(),
                    [&](const Entry& e) { return anchoredEntry(e, bareFolder_, style_) != e; })) {
        anchored.reserve(entries_.size());
        for (const Entry& entry : std::as_const(entries_))
            anchored << anchoredEntry(entry, bareFolder_, style_);
    }
    Result<> save =
        writePlaylistFile(path, format, anchored.isEmpty() ? entries_ : anchored, mode, style_);
    if (!save)
        return save;
    if (!anchored.isEmpty()) {
        entries_ = std::move(anchored);
        Q_EMIT dataChanged(index(0), index(count() - 1), {Qt::DisplayRole});
    }
    setPlaylistFile(path, format);
    setModified(false);
    return save;
}
