#pragma once

#include <QFileSystemWatcher>
#include <QListWidget>
#include <QTimer>

// The file list: the names of the files in one folder that match the pattern, without regard
// to case (Song.MP3 matches *.mp3). Extended multi-selection. Kept current while the folder is
// shown: songs copied in, removed or renamed show within a moment.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Shows the matching files of folder; emits pathChanged when the folder changes.
    void setPath(const QString& folder);
    // Reads the folder again. Files still there keep their selection, and the current one stays
    // current; emits filesChanged when the names differ from those shown.
    void refresh();
    QString Pattern() const { return pattern_; }

Q_SIGNALS:
    void pathChanged();
    void filesChanged();

private:
    // Shows the folder's names, keeping the selection by name; false when they were shown.
    bool reread();

    QString path_;
    QString pattern_ = QStringLiteral("*.mp3");
    QFileSystemWatcher watcher_;
    QTimer settle_; // a burst of changes (a copy of many songs) is read once
};
