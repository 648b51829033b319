#include "core/mp3/PlainId3v2.h"

#include "core/mp3/Id3v2Tag.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {
constexpr qsizetype kFrameHeaderSize = 10;

bool isFrameId(QByteArrayView id) {
    return id.size() == 4 && std::all_of(id.begin(), id.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

// Padding is most of a tag written with room to grow: compared a block at a time.
bool allZero(QByteArrayView bytes) {
    static constexpr char zeros[256] = {};
    for (qsizetype at = 0; at < bytes.size(); at += sizeof zeros)
        if (std::memcmp(bytes.data() + at, zeros,
                        size_t(qMin<qsizetype>(bytes.size() - at, sizeof zeros))) != 0)
            return false;
    return true;
}

// A text in ISO-8859-1 (0) or UTF-8 (3); nullopt for broken UTF-8, which TagLib reads as
// nothing at all, and for other encodings.
std::optional<QString> decode(char encoding, QByteArrayView bytes) {
    if (encoding == 0)
        return QString::fromLatin1(bytes);
    if (encoding != 3)
        return std::nullopt;
    // A byte-order mark at the start goes, as it does on TagLib's way.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? std::nullopt : std::optional<QString>(text);
}

// A text as a person reads it: up to its first zero character, without surrounding spaces.
QString shown(QString text) {
    if (const qsizetype zero = text.indexOf(QChar(0)); zero >= 0)
        text.truncate(zero);
    return text.trimmed();
}

// The first value of a text frame: the first run of bytes between zero bytes that is not empty.
std::optional<QString> firstValue(QByteArrayView body) {
    if (body.size() < 2)
        return QString();
    const QByteArrayView values = body.sliced(1);
    const auto start = std::find_if(values.begin(), values.end(), [](char c) { return c != 0; });
    const auto end = std::find(start, values.end(), '\0');
    const std::optional<QString> text =
        decode(body[0], QByteArrayView(start, std::distance(start, end)));
    return text ? std::optional<QString>(shown(*text)) : std::nullopt;
}

struct Comment {
    bool described = false; // a comment of another program (iTunNORM, a lyrics site...)
    QString text;
};

// A comment frame: its encoding and language, its description, a zero, its text. nullopt when
// it is not plain.
std::optional<Comment> comment(QByteArrayView body) {
    if (body.size() < 5)
        return Comment{}; // no description and no text
    const QByteArrayView texts = body.sliced(4);
    const qsizetype zero = texts.indexOf('\0');
    if (zero < 0 || zero + 1 == texts.size())
        return Comment{}; // TagLib takes a description alone for neither
    const std::optional<QString> description = decode(body[0], texts.first(zero));
    const std::optional<QString> text = decode(body[0], texts.sliced(zero + 1));
    if (!description || !text)
        return std::nullopt;
    return Comment{!description->isEmpty(), shown(*text)};
}
} // namespace

std::optional<Id3v2Texts> readPlainId3v2(QByteArrayView bytes) {
    const qint64 length = id3v2TagLength(bytes);
    if (length == 0 || bytes.size() < length || bytes[5] != 0 || (bytes[3] != 3 && bytes[3] != 4))
        return std::nullopt;
    Id3v2Texts texts;
    texts.version = bytes[3];
    const bool v24 = texts.version == 4;
    const QByteArrayView yearAlias = v24 ? "TRDC" : "TYER"; // both read as TDRC
    struct Wanted {
        QByteArrayView id;
        QString* text;
        bool found = false;
    } wanted[] = {{"TIT2", &texts.title}, {"TPE1", &texts.artist}, {"TALB", &texts.album},
                  {"TDRC", &texts.time},  {"TRCK", &texts.track},  {"TCON", &texts.genre}};
    bool commentFound = false;

    const QByteArrayView tag = bytes.first(length);
    qsizetype pos = kId3v2HeaderSize;
    while (pos < length && tag[pos] != 0) {
        if (length - pos < kFrameHeaderSize)
            return std::nullopt;
        const QByteArrayView id = tag.sliced(pos, 4);
        const QByteArrayView sizeBytes = tag.sliced(pos + 4, 4);
        const std::optional<qint64> synchsafe = synchsafeNumber(sizeBytes);
        if (v24 && !synchsafe) // TagLib guesses what such a size means
            return std::nullopt;
        const qint64 size = v24 ? *synchsafe : qFromBigEndian<quint32>(sizeBytes.data());
        if (!isFrameId(id) || tag[pos + 8] != 0 || tag[pos + 9] != 0 || size == 0 ||
            size > length - pos - kFrameHeaderSize)
            return std::nullopt;
        const QByteArrayView body = tag.sliced(pos + kFrameHeaderSize, size);
        pos += kFrameHeaderSize + size;
        // TagLib takes a large 2.4 frame size that leads nowhere as a plain number (as iTunes
        // once wrote them).
        if (v24 && size > 127 && !isFrameId(tag.sliced(pos).first(qMin(length - pos, 4))))
            return std::nullopt;

        if (id == "COMM") {
            if (commentFound)
                continue;
            const std::optional<Comment> read = comment(body);
            if (!read)
                return std::nullopt;
            if (!read->described) {
                texts.comment = read->text;
                commentFound = true;
            }
            continue;
        }
        for (Wanted& w : wanted) {
            if (w.found || (id != w.id && !(w.text == &texts.time && id == yearAlias)))
                continue;
            const std::optional<QString> value = firstValue(body);
            if (!value)
                return std::nullopt;
            *w.text = *value;
            w.found = true;
        }
    }
    // A genre in brackets, "(17)Rock", is one that TagLib takes apart.
    if (texts.genre.startsWith(u'('))
        return std::nullopt;
    return allZero(tag.sliced(pos)) ? std::optional<Id3v2Texts>(texts) : std::nullopt;
}
