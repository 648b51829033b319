#include "core/platform/BrowsableVolumes.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(BrowsableVolumes, RootHomeRemovableAndNetworkVolumesEachOnce) {
    QList<MountedVolume> table; // mount point and type, as in /proc/self/mounts
    for (const char* line :
         {"/proc proc", "/sys/fs/cgroup cgroup2", "/dev/shm tmpfs", "/tmp tmpfs",
          "/run/user/1000 tmpfs", "/run/lock ext4", "/boot/efi vfat", "/snap/core/17 squashfs",
          "/ overlay", "/home ext4", "/home ext4", "/media/ann/STICK vfat",
          "/run/media/ann/CARD exfat", "/mnt/nas nfs4", "/running ext4"}) {
        const QStringList fields = QString::fromLatin1(line).split(u' ');
        table.append({fields[0], fields[1]});
    }
    EXPECT_EQ(browsableVolumes(table),
              QStringList({u"/"_s, u"/home"_s, u"/media/ann/STICK"_s, u"/mnt/nas"_s,
                           u"/run/media/ann/CARD"_s, u"/running"_s}));
}
