#include "core/launch/PlayerCommand.h"

#include "core/text/TextFiles.h"

using namespace Qt::StringLiterals;

QString StripNuls(const QString& text) {
    QString result = text;
    for (qsizetype nul = result.indexOf(QChar(0)); nul >= 0; nul = result.indexOf(QChar(0)))
        result = result.left(nul) + trimBlanks(QStringView(result).mid(nul + 1)).toString();
    return result;
}

QString QuotePlayerCommand(const QString& text) {
    const qsizetype quote = text.indexOf(u'"', 1);
    if (quote < 0)
        return {};
    const QString program = text.left(quote);
    QString argument = text.mid(quote + 1);
    if (argument.endsWith(u'"'))
        argument.chop(1);
    return u'"' + program + u"\" \""_s + argument + u'"';
}

QString playerCommandLine(const QString& lookupAnswer) {
    QString buffer = lookupAnswer;
    buffer.resize(qMax(buffer.size(), kLookupBufferSize), QChar(0));
    return QuotePlayerCommand(StripNuls(buffer));
}
