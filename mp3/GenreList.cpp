#include "mp3/GenreList.h"

#include "app/LeadingNumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
Genre parseLine(const QByteArray& line) {
    QString digits = QString::fromLocal8Bit(line.left(3));
    digits.remove(u' ');
    // Three characters hold at most "999": the number always fits an int.
    return {static_cast<int>(roundHalfEven(leadingNumber(digits))),
            QString::fromLocal8Bit(line.mid(4))};
}
} // namespace

QVector<Genre> parseGenres(const QByteArray& text) {
    QVector<Genre> genres;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != '\r' && text[end] != '\n')
            ++end;
        const Genre genre = parseLine(text.mid(start, end - start));
        if (genre.number >= 0 && genre.number <= 255)
            genres << genre;
        start = end;
        if (start < size && text[start] == '\r')
            ++start;
        if (start < size && text[start] == '\n')
            ++start;
    }
    return genres;
}

QVector<Genre> readGenres(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseGenres(file.readAll());
}

QString findGenresFile(const QString& programFolder, const QString& dataFolder) {
    for (const QString& folder : {programFolder, dataFolder}) {
        if (folder.isEmpty())
            continue;
        const QFileInfo info(QDir(folder).filePath(u"genres.txt"_qs));
        if (info.isFile() && !info.isHidden())
            return info.filePath();
    }
    return {};
}
