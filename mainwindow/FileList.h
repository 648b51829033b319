#pragma once

#include <QListWidget>

// The file list: the names of the files in one folder that match the pattern, without regard
// to case (Song.MP3 matches *.mp3). Extended multi-selection.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Shows the matching files of folder; emits pathChanged when the folder changes.
    void setPath(const QString& folder);
    // Reads the folder again.
    void refresh();
    QString Pattern() const { return pattern_; }

Q_SIGNALS:
    void pathChanged();

private:
    QString path_;
    QString pattern_ = QStringLiteral("*.mp3");
};
