#include "gui/mainwindow/DriveList.h"

#include "core/platform/BrowsableVolumes.h"

#include <QDir>
#include <QStorageInfo>

using namespace Qt::StringLiterals;

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    refresh();
    current_ = currentText();
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (currentText() != current_) {
            current_ = currentText();
            Q_EMIT driveChanged();
        }
    });
    mounts_.setFileName(u"/proc/self/mounts"_s);
    if (mounts_.open(QIODevice::ReadOnly)) {
        mountsChanged_.setSocket(mounts_.handle());
        mountsChanged_.setEnabled(true);
        connect(&mountsChanged_, &QSocketNotifier::activated, this, &DriveList::refresh);
    }
}

void DriveList::refresh() {
    QList<MountedVolume> table;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid())
            table.append({volume.rootPath(), QString::fromLatin1(volume.fileSystemType())});
    QStringList roots;
    for (const QString& root : browsableVolumes(table))
        roots << QDir::toNativeSeparators(root);
    if (!current_.isEmpty() && !roots.contains(current_))
        roots << current_;
    roots.sort();
    QStringList shown;
    for (int i = 0; i < count(); ++i)
        shown << itemText(i);
    // Most mounts (snaps, a user's run folder) change nothing here; an open list stays as it is.
    if (roots == shown)
        return;
    const QSignalBlocker block(this);
    clear();
    addItems(roots);
    const int i = findText(current_);
    setCurrentIndex(i >= 0 ? i : 0);
}

void DriveList::showPopup() {
    refresh();
    QComboBox::showPopup();
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

void DriveList::showDriveOf(const QString& path) {
    const QSignalBlocker block(this);
    setDrive(path);
    // Known as the current drive, so that choosing an unreadable one again is a change again.
    current_ = currentText();
}
