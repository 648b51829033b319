#include "core/platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString installedDataFolder() {
    const QString besideProgram = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                  QStringLiteral("/" VELMORA_DATADIR_FROM_BINDIR));
    if (QFileInfo(besideProgram).isDir())
        return besideProgram;
    return QStringLiteral(VELMORA_DATADIR);
}
