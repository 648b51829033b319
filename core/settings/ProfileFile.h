#pragma once

#include "core/text/Result.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// A private-profile (INI) file kept line by line, so that a write changes only the line it
// must: comments, blank lines, unknown keys, order and line ends survive. Section and key
// names match without regard to case. Lines may end in CR LF, CR or LF; new lines get CR LF.
class ProfileFile {
public:
    // Parses profile text in the locale's 8-bit encoding.
    static ProfileFile parse(const QByteArray& bytes);
    // Reads a file; a missing file reads as empty, one that exists but cannot be read fails.
    static Result<ProfileFile> load(const QString& path);

    // The value of key in section, blanks around it removed; nullopt when absent.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Sets key in section: replaces its line, or adds it at the end of the section, or adds the
    // section at the end of the text.
    void setValue(const QString& section, const QString& key, const QString& value);

    QByteArray bytes() const;
    // Replaces the file atomically; on failure the old file stays as it was.
    Result<> save(const QString& path) const;

private:
    struct Line {
        QString text;
        QByteArray ending; // "\r\n", "\r", "\n" or empty for a last line without one
    };
    std::vector<Line> lines_;

    static std::optional<QString> sectionName(const QString& line);
    static bool keyMatches(const QString& line, const QString& key, QString* value);
};
