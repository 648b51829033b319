#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One line of the system's mount table.
struct MountedVolume {
    QString mountPoint;
    QString fsType;
};

// The volumes a user browses, as file managers show them: the root file system and every other
// mount but pseudo and system file systems (kernel interfaces, memory file systems, snap images)
// and the mounts in the system's own folders (/boot, /dev, /etc, /proc, /run, /snap, /sys,
// /var/lib). Removable media mounted below /run/media are the user's. Sorted, each once.
[[nodiscard]] QStringList browsableVolumes(const QList<MountedVolume>& table);
