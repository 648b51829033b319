#include "gui/platform/SystemRegistry.h"

#include <QStandardPaths>

std::optional<RegistryValue> SystemRegistry::query(quint32 root, const QString& key,
                                                   const QString& valueName, quint32) {
    if (root != kHKeyLocalMachine)
        return std::nullopt;
    if (key.compare(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", Qt::CaseInsensitive) != 0 ||
        valueName.compare(u"PATH", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    for (const char* name : {"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return RegistryValue{kRegSz, path.toLocal8Bit() + '\0'};
    }
    return std::nullopt;
}
