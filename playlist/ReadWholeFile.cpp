#include "playlist/ReadWholeFile.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

std::optional<QByteArray> readWholeFile(const QString& path, QString* errorText) {
    if (QFileInfo(path).isDir()) {
        if (errorText)
            *errorText = u"Is a folder"_s;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (errorText)
            *errorText = file.errorString();
        return std::nullopt;
    }
    return bytes;
}
