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

PlaylistTextWriter::PlaylistTextWriter(qsizetype expectedBytes)
    : encoder_(QStringConverter::System, kLineByLine) {
    bytes_.resize(expectedBytes);
}

namespace {
LineFault faultIn(QStringView text) {
    if (text.contains(u'\r') || text.contains(u'\n'))
        return LineFault::LineBreak;
    // Bytes that were not text were read as U+FFFD: written back, they would name another file.
    if (text.contains(QChar::ReplacementCharacter))
        return LineFault::NotText;
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
    const qsizetype need = encoder_.requiredSpace(text.size());
    if (used_ + need > bytes_.size())
        bytes_.resize(std::max(bytes_.size() * 2, used_ + need));
    // Printable ASCII, nearly every line, is the same byte in every 8-bit encoding: copied and
    // checked in one cheap pass. Only the rare rest goes through the encoder.
    char* out = bytes_.data() + used_;
    bool printable = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        printable &= unsigned(c - 0x20) < 0x60;
        out[i] = char(c);
    }
    if (printable) {
        used_ += text.size();
        return *this;
    }
    lineFault_ = faultIn(text);
    if (lineFault_ == LineFault::None)
        used_ = encoder_.appendToBuffer(out, text) - bytes_.constData();
    return *this;
}

LineFault PlaylistTextWriter::endLine() {
    if (used_ + 2 > bytes_.size())
        bytes_.resize(std::max(bytes_.size() * 2, used_ + 2));
    bytes_[used_++] = '\r';
    bytes_[used_++] = '\n';
    return std::exchange(lineFault_, LineFault::None);
}
