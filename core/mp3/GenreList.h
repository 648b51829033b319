#pragma once

#include <QString>
#include <QVector>
#include <optional>

// One line of genres.txt: the number in characters 1 to 3, the name from character 5 on.
struct Genre {
    int number = 0;
    QString name;
};

// The genres of the file's text in file order. Lines end at CR LF, a lone CR or a lone LF; an
// empty line is an entry with number 0 and no name; a line whose number does not fit a genre
// byte (0 to 255) is skipped.
QVector<Genre> parseGenres(const QByteArray& text);

// The genres of genres.txt at path; nullopt when it cannot be read (no permission, a folder,
// bytes that are not text), with the reason in errorText when given.
[[nodiscard]] std::optional<QVector<Genre>> readGenres(const QString& path,
                                                       QString* errorText = nullptr);

// Where genres.txt is: beside the program, else in the installed data folder; empty when in
// neither (hidden files do not count). Whatever has that name is found, so that one that
// cannot be read is reported as such and not as missing.
QString findGenresFile(const QString& programFolder, const QString& dataFolder);
