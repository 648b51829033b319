#include "core/platform/BrowsableVolumes.h"

#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// Kernel interfaces, memory-backed and image file systems: none of them holds a user's songs.
// (An overlay is kept only as the root, which containers mount that way.)
const QSet<QString> kPseudoTypes = {
    u"autofs"_s,    u"binfmt_misc"_s, u"bpf"_s,    u"cgroup"_s,     u"cgroup2"_s,
    u"configfs"_s,  u"debugfs"_s,     u"devpts"_s, u"devtmpfs"_s,   u"efivarfs"_s,
    u"fusectl"_s,   u"hugetlbfs"_s,   u"mqueue"_s, u"nsfs"_s,       u"overlay"_s,
    u"proc"_s,      u"pstore"_s,      u"ramfs"_s,  u"rpc_pipefs"_s, u"securityfs"_s,
    u"selinuxfs"_s, u"squashfs"_s,    u"sysfs"_s,  u"tmpfs"_s,      u"tracefs"_s};

const QStringList kSystemFolders = {u"/boot"_s, u"/dev"_s,  u"/etc"_s, u"/proc"_s,
                                    u"/run"_s,  u"/snap"_s, u"/sys"_s, u"/var/lib"_s};
// Where udisks mounts sticks and cards on many distributions.
const QString kRemovableMedia = u"/run/media"_s;

bool isAtOrBelow(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + u'/');
}

bool browsable(const MountedVolume& volume) {
    const QString& at = volume.mountPoint;
    if (at == u"/")
        return true;
    if (kPseudoTypes.contains(volume.fsType))
        return false;
    if (isAtOrBelow(at, kRemovableMedia))
        return true;
    return std::none_of(kSystemFolders.begin(), kSystemFolders.end(),
                        [&](const QString& folder) { return isAtOrBelow(at, folder); });
}
} // namespace

QStringList browsableVolumes(const QList<MountedVolume>& table) {
    QStringList roots;
    for (const MountedVolume& volume : table)
        if (browsable(volume))
            roots << volume.mountPoint;
    roots.removeDuplicates();
    roots.sort();
    return roots;
}
