#include "cli/FileCheck.h"

#include "core/mp3/SongFile.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString unreadableReason(const Arg& file) {
    if (!file.decodable())
        return QCoreApplication::translate(
            "velmora-cli", "the file name is not valid text in this system's encoding");
    const SongFile song(file.text);
    if (song.isOpen())
        return {};
    // Only a song that did not open is looked at again, to say why in the user's words.
    const QFileInfo info(file.text);
    if (!info.exists())
        return QCoreApplication::translate("velmora-cli", "no such file");
    if (info.isDir())
        return QCoreApplication::translate("velmora-cli", "is a folder");
    return song.errorString();
}
