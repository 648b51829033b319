#pragma once

#include <QComboBox>

// The mounted volumes, shown by their root path. Drive() is the root path of the chosen volume.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    QString Drive() const;
    // Selects the volume that holds path (adding it if the list does not know it yet).
    // Emits driveChanged when the choice changes, by program or by the user alike.
    void setDrive(const QString& path);
    // Selects the volume that holds path without reporting a change: puts the list back after a
    // drive that could not be read.
    void restoreDrive(const QString& path);
    void refresh();
    // The root of the volume that holds path.
    static QString driveOf(const QString& path);

Q_SIGNALS:
    void driveChanged();

private:
    QString current_;
};
