#pragma once

#include "core/playlist/Entry.h"
#include "core/playlist/PlaylistFile.h"

#include <QAbstractListModel>
#include <QVector>
#include <functional>

// The playlist under construction: its entries in playlist order, which is the order written to
// files. Each row shows its entry's text. Entries come in by appending (a song already there is
// added again only when the caller agrees) or by loading a file, and leave by removal or
// clearing; moving exchanges two rows. A row whose song file was not there at the last check is
// marked missing: it stays in the playlist and is saved as it is.
//
// The playlist is a document: it knows the file it was read from or last saved to, that file's
// format, and whether its entries changed since. Entries read without a folder belong to the
// folder of the file they were read from (see anchoredEntry), wherever the playlist is saved.
class PlaylistModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PlaylistModel(QObject* parent = nullptr, const PathStyle& style = PathStyle::native());

    // data() answers this role with true for a missing song, so that a view can dim it; its
    // tooltip then says which file was not found.
    static constexpr int MissingRole = Qt::UserRole + 1;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int count() const { return int(entries_.size()); }
    // The entry at row, which must be a row of the playlist.
    const Entry& at(int row) const { return entries_[row]; }
    const QVector<Entry>& entries() const { return entries_; }
    // The row whose text has the most characters; -1 when the playlist is empty.
    int longestRow() const;
    // True when the entry's song was not there at the last check.
    bool isMissing(int row) const { return row < missing_.size() && missing_[row]; }
    // Looks for the songs of the entries from row fromRow on again (see missingSongs; entries
    // without a folder are looked for in bareFolder) and tells views about the rows whose mark
    // changed. Rows that came in since the last check are unmarked until the next one.
    void checkFiles(const QString& bareFolder, int fromRow = 0);

    // How a song is found among the entries: by its exact text, or without regard to case.
    enum class Match { Exact, IgnoringCase };
    // Asked about songs[song] when its text is already in the playlist: true adds it again.
    using AddAgain = std::function<bool(qsizetype song)>;
    // Appends the songs in order. A song already present (songs appended by this call count) is
    // appended only when addAgain agrees; a refusal stops at once, keeping the songs appended
    // before it. The playlist shows those before the question is asked. False when stopped.
    bool append(const QVector<Entry>& songs, Match match, const AddAgain& addAgain);
    // Appends the songs in order without asking.
    void append(const QVector<Entry>& songs);
    // Puts songs[i] in place of the entry at rows[i] (a moved song found again), each row
    // unmarked as missing until the next check.
    void replaceAt(const QVector<int>& rows, const QVector<Entry>& songs);
    // Exchanges the entries at two rows.
    void swap(int row, int other);
    // Removes the rows whose flag is true (rows without a flag stay); the others keep their
    // order. All of them go in one removal, after one change of layout when they are not
    // neighbours.
    void remove(const QVector<bool>& flags);
    // Empties the playlist and makes it a new document: no file, unchanged.
    void clear();

    // The file of the document; empty while the playlist has none.
    const QString& filePath() const { return filePath_; }
    // The format the document is saved in under its own name.
    PlaylistFormat format() const { return format_; }
    // The folder that entries read without a folder belong to; empty for a new playlist.
    const QString& bareFolder() const { return bareFolder_; }
    // True when the entries changed since the document was read, saved or made new.
    bool isModified() const { return modified_; }
    // Makes path the document's file, saved in format; entries without a folder belong to its
    // folder from now on.
    void setPlaylistFile(const QString& path, PlaylistFormat format);

    // Replaces the entries with the songs of a playlist file, read as what it is (see
    // formatOfFile; fallback when neither content nor ending tells), and makes the file the
    // document. When it cannot be read to its end the playlist is left as it was.
    Result<> load(const QString& path, PlaylistFormat fallback);
    // Writes the entries to a playlist file, all or nothing (see writePlaylistFile), and on
    // success makes it the document. Saved in another folder, entries without a folder of their
    // own are written, and from then on kept, with the folder they belong to.
    Result<> save(const QString& path, PlaylistFormat format, PathMode mode);

Q_SIGNALS:
    void filePathChanged(const QString& path);
    void modifiedChanged(bool modified);

private:
    void setModified(bool modified);
    void appendRun(const QVector<Entry>& songs, qsizetype from, qsizetype to);
    void replace(QVector<Entry> entries);

    PathStyle style_;
    QVector<Entry> entries_;
    QVector<bool> missing_; // one flag per row of the last check; rows beyond it are not marked
    QString checkedFolder_; // the bareFolder of the last check, for the tooltips
    QString filePath_;
    PlaylistFormat format_ = PlaylistFormat::M3u;
    QString bareFolder_;
    bool modified_ = false;
};
