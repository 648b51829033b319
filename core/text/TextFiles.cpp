#include "core/text/TextFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

Result<QByteArray> readWholeFile(const QString& path) {
    if (QFileInfo(path).isDir())
        return fail(QCoreApplication::translate("TextFiles", "Is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
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
// Each block is converted on its own, so that a broken sequence cannot spill into the next; a
// U+FEFF that begins a line is part of a name (the file's own mark is skipped before).
constexpr auto kLineByLine =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF", 3);

// The locale's 8-bit encoding. Qt takes it for UTF-8 everywhere but on Windows; named so, Qt
// decodes straight into the caller's memory instead of through a copy of the whole text.
#ifdef Q_OS_WIN
constexpr auto kLocaleEncoding = QStringConverter::System;
#else
constexpr auto kLocaleEncoding = QStringConverter::Utf8;
#endif

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Where the first block of bytes ends: after the last line end within a block's size, and never
// between the CR and LF of one line end. CR and LF never occur inside a character of the
// locale's encodings, so a block cut after one decodes as its lines would one by one.
qsizetype blockSize(QByteArrayView bytes) {
    constexpr qsizetype kBlock = 64 * 1024; // small enough to stay in the cache
    if (bytes.size() <= kBlock)
        return bytes.size();
    qsizetype cut = kBlock;
    while (cut > 0 && !isLineEnd(bytes[cut - 1]))
        --cut;
    if (cut == 0) { // a line longer than a block: the block holds all of it
        cut = kBlock;
        while (cut < bytes.size() && !isLineEnd(bytes[cut - 1]))
            ++cut;
    }
    if (bytes[cut - 1] == '\r' && cut < bytes.size() && bytes[cut] == '\n')
        ++cut;
    return cut;
}
} // namespace

PlaylistLines::PlaylistLines(QByteArrayView bytes)
    : rest_(bytes),
      decoder_(bytes.startsWith(kUtf8Bom) ? QStringConverter::Utf8 : kLocaleEncoding, kLineByLine) {
    if (bytes.startsWith(kUtf8Bom))
        rest_ = bytes.sliced(kUtf8Bom.size());
}

bool PlaylistLines::decodeBlock() {
    if (rest_.isEmpty())
        return false;
    const QByteArrayView bytes = rest_.first(blockSize(rest_));
    rest_ = rest_.sliced(bytes.size());
    block_.resize(decoder_.requiredSpace(bytes.size()));
    text_ = QStringView(block_.constData(), decoder_.appendToBuffer(block_.data(), bytes));
    pos_ = 0;
    nextCr_ = nextLf_ = -1;
    return true;
}

bool PlaylistLines::next(QStringView& line) {
    while (pos_ >= text_.size())
        if (!decodeBlock())
            return false;
    // The next CR and the next LF, each looked for again only once passed.
    const auto next = [this](qsizetype& cached, char16_t c) {
        if (cached < pos_) {
            cached = text_.indexOf(QChar(c), pos_);
            if (cached < 0)
                cached = text_.size();
        }
        return cached;
    };
    qsizetype end = std::min(next(nextCr_, u'\r'), next(nextLf_, u'\n'));
    line = text_.sliced(pos_, end - pos_);
    if (end + 1 < text_.size() && text_[end] == u'\r' && text_[end + 1] == u'\n')
        ++end;
    pos_ = end + 1;
    return true;
}

bool isText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return false;
    const bool utf8 = bytes.startsWith(kUtf8Bom);
    QStringDecoder decoder(utf8 ? QStringConverter::Utf8 : kLocaleEncoding);
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
    // Players indent lines with tabs as often as with spaces.
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && blank(text[start]))
        ++start;
    while (end > start && blank(text[end - 1]))
        --end;
    return text.mid(start, end - start);
}
