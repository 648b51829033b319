#include "cli/FileCheck.h"

#include <QFile>
#include <QFileInfo>

QString unreadableReason(const Arg& file) {
    if (!file.decodable())
        return u"the file name is not valid text in this system's encoding"_qs;
    const QFileInfo info(file.text);
    if (!info.exists())
        return u"no such file"_qs;
    if (info.isDir())
        return u"is a folder"_qs;
    QFile f(file.text);
    if (!f.open(QIODevice::ReadOnly))
        return f.errorString();
    return {};
}
