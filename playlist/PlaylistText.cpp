#include "playlist/PlaylistText.h"

namespace {
// Plain ASCII (nearly every line) is written alike by every 8-bit encoding; only lines with other
// characters need the round trip through the encoding.
bool readsBackAsItself(const QString& line) {
    bool plain = true;
    for (const QChar c : line) {
        if (c == u'\r' || c == u'\n')
            return false;
        if (c.unicode() >= 0x80)
            plain = false;
    }
    return plain || QString::fromLocal8Bit(line.toLocal8Bit()) == line;
}
} // namespace

QStringList playlistLines(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    const QString text = bytes.startsWith(bom) ? QString::fromUtf8(bytes.mid(bom.size()))
                                               : QString::fromLocal8Bit(bytes);
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
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

std::optional<QByteArray> encodePlaylistLines(const QStringList& lines, qsizetype* badLine) {
    qsizetype length = 0;
    for (const QString& line : lines)
        length += line.size() + 2;
    QString text;
    text.reserve(length);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!readsBackAsItself(lines[i])) {
            if (badLine)
                *badLine = i;
            return std::nullopt;
        }
        text += lines[i];
        text += u"\r\n";
    }
    return text.toLocal8Bit();
}
