#include "support/Id3v2Bytes.h"

#include <QStringEncoder>

namespace {
QByteArray number(quint32 n, int bytes, int bitsPerByte) {
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out += char(n >> (i * bitsPerByte) & ((1u << bitsPerByte) - 1));
    return out;
}
} // namespace

QByteArray id3v2Frame(int version, const QByteArray& id, const QByteArray& body) {
    if (version == 2)
        return id + number(body.size(), 3, 8) + body;
    return id + number(body.size(), 4, version == 4 ? 7 : 8) + QByteArray(2, '\0') + body;
}

QByteArray id3v2Text(int encoding, const QString& text) {
    switch (encoding) {
    case 1:
        return QByteArray("\x01\xFF\xFE", 3) +
               QStringEncoder(QStringConverter::Utf16LE).encode(text);
    case 2:
        return QByteArray(1, '\x02') + QStringEncoder(QStringConverter::Utf16BE).encode(text);
    case 3:
        return QByteArray(1, '\x03') + text.toUtf8();
    default:
        return QByteArray(1, '\0') + text.toLatin1();
    }
}

QByteArray id3v2Comment(const QByteArray& description, const QByteArray& text) {
    return QByteArray(1, '\0') + "eng" + description + QByteArray(1, '\0') + text;
}

QByteArray id3v2Tag(int version, const QByteArray& frames, int padding, char flags) {
    return "ID3" + QByteArray(1, char(version)) + QByteArray(1, '\0') + QByteArray(1, flags) +
           number(frames.size() + padding, 4, 7) + frames + QByteArray(padding, '\0');
}
