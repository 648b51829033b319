#pragma once

#include <QComboBox>
#include <QFile>
#include <QSocketNotifier>

// The mounted volumes a user browses, shown by their root path, and always the volume of the
// folder shown. Drive() is the root path of the chosen volume. The list is read again when it
// opens and whenever a volume is mounted or unmounted.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    QString Drive() const;
    // Selects the volume that holds path (adding it if the list does not know it yet).
    // Emits driveChanged when the choice changes, by program or by the user alike.
    void setDrive(const QString& path);
    // Selects the volume that holds path without reporting a change: the list follows the
    // folder list, and is put back after a drive that could not be read.
    void showDriveOf(const QString& path);
    // Reads the mounted volumes again, keeping the chosen one.
    void refresh();
    // The root of the volume that holds path.
    static QString driveOf(const QString& path);

    void showPopup() override;

Q_SIGNALS:
    void driveChanged();

private:
    QString current_;
    // The kernel marks the open mount table when it changes; no polling needed.
    QFile mounts_;
    QSocketNotifier mountsChanged_{QSocketNotifier::Exception};
};
