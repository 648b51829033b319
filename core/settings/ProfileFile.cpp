#include "core/settings/ProfileFile.h"

#include "core/text/AtomicFile.h"
#include "core/text/TextFiles.h"

#include <QFile>

ProfileFile ProfileFile::parse(const QByteArray& bytes) {
    ProfileFile file;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        Line line{QString::fromLocal8Bit(bytes.mid(start, end - start)), {}};
        if (end < n) {
            const bool crlf = bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n';
            line.ending = bytes.mid(end, crlf ? 2 : 1);
            end += line.ending.size();
        }
        file.lines_.push_back(std::move(line));
        start = end;
    }
    return file;
}

Result<ProfileFile> ProfileFile::load(const QString& path) {
    if (!QFile::exists(path))
        return ProfileFile{};
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return fail(bytes.reason());
    return parse(*bytes);
}

std::optional<QString> ProfileFile::sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool ProfileFile::keyMatches(const QString& line, const QString& key, QString* value) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return true;
}

std::optional<QString> ProfileFile::value(const QString& section, const QString& key) const {
    bool inSection = false;
    for (const Line& line : lines_) {
        if (const auto name = sectionName(line.text)) {
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString v;
        if (inSection && !line.text.trimmed().startsWith(u';') && keyMatches(line.text, key, &v))
            return v;
    }
    return std::nullopt;
}

void ProfileFile::setValue(const QString& section, const QString& key, const QString& value) {
    const QByteArray crlf("\r\n");
    const QString newLine = key + u'=' + value;
    bool inSection = false;
    std::optional<size_t> lastOfSection; // where a new key would follow
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = sectionName(lines_[i].text)) {
            if (inSection)
                break;
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                lastOfSection = i;
            continue;
        }
        if (!inSection)
            continue;
        if (!lines_[i].text.trimmed().startsWith(u';') &&
            keyMatches(lines_[i].text, key, nullptr)) {
            lines_[i].text = newLine;
            return;
        }
        if (!lines_[i].text.trimmed().isEmpty())
            lastOfSection = i;
    }
    if (lastOfSection) {
        if (lines_[*lastOfSection].ending.isEmpty())
            lines_[*lastOfSection].ending = crlf;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*lastOfSection) + 1,
                      Line{newLine, crlf});
        return;
    }
    if (!lines_.empty() && lines_.back().ending.isEmpty())
        lines_.back().ending = crlf;
    lines_.push_back(Line{u'[' + section + u']', crlf});
    lines_.push_back(Line{newLine, crlf});
}

QByteArray ProfileFile::bytes() const {
    QByteArray out;
    for (const Line& line : lines_)
        out += line.text.toLocal8Bit() + line.ending;
    return out;
}

Result<> ProfileFile::save(const QString& path) const {
    return replaceFileAtomically(path, bytes());
}
