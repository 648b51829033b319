#include "cli/FileCheck.h"

#include "core/mp3/SongFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString unreadableReason(const Arg& file) {
    if (!file.decodable())
        return u"the file name is not valid text in this system's encoding"_s;
    const SongFile song(file.text);
    if (song.isOpen())
        return {};
    // Only a song that did not open is looked at again, to say why in the user's words.
    const QFileInfo info(file.text);
    if (!info.exists())
        return u"no such file"_s;
    if (info.isDir())
        return u"is a folder"_s;
    return song.errorString();
}
