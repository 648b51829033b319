#include "app/TextFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <algorithm>
#include <cstring>

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

bool writeAll(QIODevice& device, QByteArrayView bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

namespace {
// Each line is converted on its own, so that a broken sequence cannot spill into the next; a
// U+FEFF that begins a line is part of a name (the file's own mark is skipped before).
constexpr auto kLineByLine =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF", 3);
} // namespace

void forEachPlaylistLine(const QByteArray& bytes, const std::function<void(QStringView)>& onLine) {
    const bool utf8 = bytes.startsWith(kUtf8Bom);
    QStringDecoder decoder(utf8 ? QStringConverter::Utf8 : QStringConverter::System, kLineByLine);
    QVarLengthArray<QChar, 1024> line;
    const char* const data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = utf8 ? kUtf8Bom.size() : 0;
    // The next CR and the next LF, each looked for again only once passed.
    qsizetype nextCr = -1, nextLf = -1;
    const auto next = [&](qsizetype& cached, char c) {
        if (cached < start) {
            const void* found = std::memchr(data + start, c, size_t(n - start));
            cached = found ? static_cast<const char*>(found) - data : n;
        }
        return cached;
    };
    while (start < n) {
        qsizetype end = std::min(next(nextCr, '\r'), next(nextLf, '\n'));
        // CR and LF never occur inside a character of the 8-bit encodings, so the bytes can be
        // cut before they are decoded.
        const QByteArrayView raw(data + start, end - start);
        line.resize(decoder.requiredSpace(raw.size()));
        const QChar* last = decoder.appendToBuffer(line.data(), raw);
        onLine(QStringView(line.data(), last));
        if (end + 1 < n && data[end] == '\r' && data[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

bool isText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return false;
    const bool utf8 = bytes.startsWith(kUtf8Bom);
    QStringDecoder decoder(utf8 ? QStringConverter::Utf8 : QStringConverter::System);
    // Decoding is what finds a broken sequence; the text itself is not needed.
    const QString text = decoder(QByteArrayView(bytes).sliced(utf8 ? kUtf8Bom.size() : 0));
    return !decoder.hasError();
}

namespace {
qsizetype occurrences(const QByteArray& bytes, char c) {
    qsizetype found = 0;
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    while ((p = static_cast<const char*>(std::memchr(p, c, size_t(end - p)))) != nullptr) {
        ++found;
        ++p;
    }
    return found;
}
} // namespace

qsizetype estimatedLineCount(const QByteArray& bytes) {
    // Lines end in LF or CR LF almost everywhere; only files without any LF are counted again.
    const qsizetype lineFeeds = occurrences(bytes, '\n');
    return (lineFeeds > 0 ? lineFeeds : occurrences(bytes, '\r')) + 1;
}

QStringView trimBlanks(QStringView text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}
