#include "mainwindow/DriveList.h"

#include <QDir>
#include <QStorageInfo>

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    refresh();
    current_ = currentText();
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (currentText() != current_) {
            current_ = currentText();
            Q_EMIT driveChanged();
        }
    });
}

void DriveList::refresh() {
    const QSignalBlocker block(this);
    const QString keep = currentText();
    clear();
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid())
            roots << QDir::toNativeSeparators(volume.rootPath());
    roots.removeDuplicates();
    roots.sort();
    addItems(roots);
    const int i = findText(keep);
    setCurrentIndex(i >= 0 ? i : 0);
}

QString DriveList::Drive() const {
    return currentText();
}

QString DriveList::driveOf(const QString& path) {
    const QStorageInfo volume(path);
    if (volume.isValid())
        return QDir::toNativeSeparators(volume.rootPath());
    return QDir::toNativeSeparators(QDir::rootPath());
}

void DriveList::setDrive(const QString& path) {
    const QString root = driveOf(path);
    int i = findText(root);
    if (i < 0) {
        const QSignalBlocker block(this);
        addItem(root);
        i = count() - 1;
    }
    setCurrentIndex(i);
}

void DriveList::restoreDrive(const QString& path) {
    const QSignalBlocker block(this);
    setDrive(path);
    // Known as the current drive, so that choosing the unreadable one again is a change again.
    current_ = currentText();
}
