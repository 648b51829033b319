#pragma once

#include <QListWidget>

// The folder list: the chosen folder's parents from the root down, the folder itself, then its
// subfolders. A double-click (or Enter) opens the folder under the pointer.
class DirList : public QListWidget {
    Q_OBJECT
public:
    explicit DirList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Shows folder. Fails, changing nothing, when folder does not exist or cannot be read.
    // Emits pathChanged when the folder changes, whether set by program or by the user.
    bool setPath(const QString& folder);

Q_SIGNALS:
    void pathChanged();

private:
    void fill();
    QString path_;
};
