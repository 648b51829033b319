#include "playlist/PlaylistText.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cstring>
#include <utility>

namespace {
// Each line is converted on its own, so that a broken sequence cannot spill into the next; a
// U+FEFF that begins a line is part of a name (the file's own mark is skipped before).
constexpr auto kLineByLine =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
} // namespace

void forEachPlaylistLine(const QByteArray& bytes, const std::function<void(QStringView)>& onLine) {
    static const QByteArray bom("\xEF\xBB\xBF");
    const bool utf8 = bytes.startsWith(bom);
    QStringDecoder decoder(utf8 ? QStringConverter::Utf8 : QStringConverter::System, kLineByLine);
    QVarLengthArray<QChar, 1024> line;
    const char* const data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = utf8 ? bom.size() : 0;
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

qsizetype estimatedLineCount(const QByteArray& bytes) {
    return std::max(bytes.count('\n'), bytes.count('\r')) + 1;
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

PlaylistTextWriter::PlaylistTextWriter(qsizetype expectedBytes)
    : encoder_(QStringConverter::System, kLineByLine) {
    bytes_.resize(expectedBytes);
}

namespace {
LineFault faultIn(QStringView text) {
    // Printable ASCII (nearly every line) is written alike by every 8-bit encoding; this loop is
    // cheap, and only the rare rest needs a closer look.
    bool printable = true;
    for (const QChar c : text)
        printable &= unsigned(c.unicode() - 0x20) < 0x60;
    if (printable)
        return LineFault::None;
    if (text.contains(u'\r') || text.contains(u'\n'))
        return LineFault::LineBreak;
    QStringEncoder encoder(QStringConverter::System, kLineByLine);
    QStringDecoder decoder(QStringConverter::System, kLineByLine);
    const QByteArray written = encoder(text);
    const QString readBack = decoder(written);
    const bool same = !encoder.hasError() && !decoder.hasError() && readBack == text;
    return same ? LineFault::None : LineFault::Encoding;
}
} // namespace

PlaylistTextWriter& PlaylistTextWriter::operator<<(QStringView text) {
    if (lineFault_ != LineFault::None)
        return *this;
    lineFault_ = faultIn(text);
    if (lineFault_ != LineFault::None)
        return *this;
    const qsizetype need = encoder_.requiredSpace(text.size());
    if (used_ + need > bytes_.size())
        bytes_.resize(std::max(bytes_.size() * 2, used_ + need));
    used_ = encoder_.appendToBuffer(bytes_.data() + used_, text) - bytes_.constData();
    return *this;
}

LineFault PlaylistTextWriter::endLine() {
    if (used_ + 2 > bytes_.size())
        bytes_.resize(std::max(bytes_.size() * 2, used_ + 2));
    bytes_[used_++] = '\r';
    bytes_[used_++] = '\n';
    return std::exchange(lineFault_, LineFault::None);
}
