#include "platform/Shell.h"

QStringList splitCommandLine(const QString& commandLine) {
    QStringList words;
    QString word;
    bool inQuotes = false;
    bool haveWord = false;
    for (const QChar c : commandLine) {
        if (c == u'"') {
            inQuotes = !inQuotes;
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
