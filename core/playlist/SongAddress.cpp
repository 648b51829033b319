#include "core/playlist/SongAddress.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
bool isSchemeLetter(QChar c, bool first) {
    const char16_t u = c.unicode();
    const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    return letter || (!first && ((u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.'));
}
} // namespace

bool isAddress(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isSchemeLetter(text[i], i == 0))
        ++i;
    return i >= 2 && text.mid(i).startsWith(u"://");
}

std::optional<QString> localPathOfFileUri(QStringView text, const PathStyle& style) {
    if (!text.startsWith(u"file://", Qt::CaseInsensitive))
        return std::nullopt;
    QUrl url = QUrl::fromEncoded(text.toUtf8());
    if (!url.isValid() || !url.isLocalFile())
        return std::nullopt;
    if (url.host().compare(u"localhost"_s, Qt::CaseInsensitive) == 0)
        url.setHost({});
    if (!url.host().isEmpty())
        return std::nullopt;
    QString path = url.toLocalFile();
    // Escapes that are not UTF-8 decode to U+FFFD: such a path would name another file.
    if (path.isEmpty() || path.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    // file:///C:/Music/... names a drive on Windows.
    if (style.ignoresCase && path.size() > 2 && path[0] == u'/' && path[2] == u':')
        path.remove(0, 1);
    if (style.separator != u'/')
        path.replace(u'/', style.separator);
    return path;
}
