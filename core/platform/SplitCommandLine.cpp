#include "core/platform/Shell.h"

using namespace Qt::StringLiterals;

QStringList splitCommandLine(const QString& commandLine) {
    QStringList words;
    QString word;
    bool inQuotes = false;
    bool haveWord = false;
    for (qsizetype i = 0; i < commandLine.size(); ++i) {
        const QChar c = commandLine[i];
        if (c == u'"') {
            // A path may hold a double quote; inside quotes it is written twice.
            if (inQuotes && QStringView(commandLine).sliced(i + 1).startsWith(u'"')) {
                word += c;
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
            haveWord = true;
        } else if (!inQuotes && (c == u' ' || c == u'\t')) {
            if (haveWord) {
                words << word;
                word.clear();
                haveWord = false;
            }
        } else {
            word += c;
            haveWord = true;
        }
    }
    if (haveWord)
        words << word;
    // A program named inside quotes may carry blanks at its ends ("C:\play.exe ").
    if (!words.isEmpty())
        words.first() = words.first().trimmed();
    return words;
}

QString quoteArgument(const QString& text) {
    QString doubled = text;
    doubled.replace(u'"', u"\"\""_s);
    return u'"' + doubled + u'"';
}

QString lookupAnswerText(const QString& program, const QString& file) {
    if (program.isEmpty() || program.contains(u'"'))
        return {};
    return program + u' ' + quoteArgument(file);
}
