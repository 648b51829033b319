#pragma once

#include <QChar>
#include <QString>

// How paths are spelled: the separator, and whether the file system ignores case (then folders
// are written in lower case and compared without regard to case).
struct PathStyle {
    QChar separator;
    bool ignoresCase;

    static PathStyle windows() { return {u'\\', true}; }
    static PathStyle posix() { return {u'/', false}; }
    static PathStyle native();

    QString folded(const QString& text) const { return ignoresCase ? text.toLower() : text; }
};
