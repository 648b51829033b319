#include "core/mp3/GenreList.h"

#include "core/text/LeadingNumber.h"
#include "core/text/TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
Genre parseLine(QStringView line) {
    QString digits = line.left(3).toString();
    digits.remove(u' ');
    // Three characters hold at most "999": the number always fits an int.
    return {static_cast<int>(roundHalfEven(leadingNumber(digits))), line.mid(4).toString()};
}
} // namespace

QVector<Genre> parseGenres(const QByteArray& text) {
    QVector<Genre> genres;
    // The same text and line ends as a playlist file: 8-bit, CR LF, a lone CR or a lone LF.
    forEachPlaylistLine(text, [&genres](QStringView line) {
        const Genre genre = parseLine(line);
        if (genre.number >= 0 && genre.number <= 255)
            genres << genre;
    });
    return genres;
}

std::optional<QVector<Genre>> readGenres(const QString& path, QString* errorText) {
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes) {
        if (errorText)
            *errorText = bytes.reason();
        return std::nullopt;
    }
    if (!isText(*bytes)) {
        if (errorText)
            *errorText = QCoreApplication::translate("GenreList", "Not a text file");
        return std::nullopt;
    }
    return parseGenres(*bytes);
}

QString findGenresFile(const QString& programFolder, const QString& dataFolder) {
    for (const QString& folder : {programFolder, dataFolder}) {
        if (folder.isEmpty())
            continue;
        const QFileInfo info(QDir(folder).filePath(u"genres.txt"_s));
        if (info.exists() && !info.isHidden())
            return info.filePath();
    }
    return {};
}
