#include "cli/FileCheck.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString unreadableReason(const Arg& file) {
    if (!file.decodable())
        return u"the file name is not valid text in this system's encoding"_s;
    const QFileInfo info(file.text);
    if (!info.exists())
        return u"no such file"_s;
    if (info.isDir())
        return u"is a folder"_s;
    QFile f(file.text);
    if (!f.open(QIODevice::ReadOnly))
        return f.errorString();
    return {};
}
