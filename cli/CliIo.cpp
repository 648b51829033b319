#include "cli/CliIo.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <charconv>
#include <cstdio>

using namespace Qt::StringLiterals;

void out(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

void err(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

void outBytes(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

void errBytes(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

namespace {
// Appends one byte of a JSON string value, escaped where JSON needs it.
inline void appendEscaped(std::string& text, char c) {
    switch (c) {
    case '"':
        text += "\\\"";
        break;
    case '\\':
        text += "\\\\";
        break;
    case '\n':
        text += "\\n";
        break;
    case '\r':
        text += "\\r";
        break;
    case '\t':
        text += "\\t";
        break;
    default:
        if (static_cast<unsigned char>(c) >= 0x20) {
            text += c;
        } else {
            text += "\\u00";
            text += "0123456789abcdef"[(c >> 4) & 0x0F];
            text += "0123456789abcdef"[c & 0x0F];
        }
    }
}
} // namespace

JsonLine::JsonLine() {
    text_.reserve(256); // a song's line fits: one allocation rather than a growing series
    text_ += '{';
}

void JsonLine::key(const char* name) {
    if (text_.back() != '{')
        text_ += ',';
    text_ += '"';
    text_ += name;
    text_ += "\":";
}

void JsonLine::string(const QString& value) {
    text_ += '"';
    // Names and header texts are nearly always ASCII, which needs no conversion to UTF-8 first.
    const bool ascii =
        std::all_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        for (const QChar c : value)
            appendEscaped(text_, static_cast<char>(c.unicode()));
    } else {
        for (const char c : value.toUtf8())
            appendEscaped(text_, c);
    }
    text_ += '"';
}

JsonLine& JsonLine::add(const char* name, const QString& value) {
    key(name);
    string(value);
    return *this;
}

JsonLine& JsonLine::add(const char* name, const QStringList& values) {
    key(name);
    text_ += '[';
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            text_ += ',';
        string(values[i]);
    }
    text_ += ']';
    return *this;
}

JsonLine& JsonLine::add(const char* name, qint64 value) {
    key(name);
    char digits[24];
    text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    return *this;
}

JsonLine& JsonLine::add(const char* name, bool value) {
    key(name);
    text_ += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::add(const char* name, std::optional<qint64> value) {
    if (value)
        return add(name, *value);
    key(name);
    text_ += "null";
    return *this;
}

JsonLine& JsonLine::add(const char* name, const std::optional<QString>& value) {
    if (value)
        return add(name, *value);
    return add(name, std::optional<qint64>());
}

JsonLine& JsonLine::beginObject(const char* name) {
    key(name);
    text_ += '{';
    return *this;
}

JsonLine& JsonLine::endObject() {
    text_ += '}';
    return *this;
}

QByteArray JsonLine::line() {
    QByteArray line;
    line.reserve(static_cast<qsizetype>(text_.size()) + 2);
    line.append(text_.data(), static_cast<qsizetype>(text_.size()));
    return line.append("}\n");
}

void JsonLine::print() {
    outBytes(line());
}

namespace {
bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

// Most names are ASCII, which every locale's encoding reads as Latin-1 does, and Latin-1 is
// several times quicker to decode: with thousands of songs named, that is noticed.
Arg argOf(const QByteArray& raw) {
    return {raw, isAscii(raw) ? QString::fromLatin1(raw) : QFile::decodeName(raw)};
}
} // namespace

bool Arg::decodable() const {
    return isAscii(raw) || QFile::encodeName(text) == raw;
}

QList<Arg> rawArguments(int argc, char** argv) {
    QList<Arg> args;
    args.reserve(argc);
    for (int i = 1; i < argc; ++i)
        args.append(argOf(QByteArray(argv[i])));
    return args;
}

std::optional<Arg> pathFromStdin() {
    char buffer[65536];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        QByteArray line(buffer);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            return argOf(line);
    }
    return std::nullopt;
}

std::optional<Arg> FileArgs::next() {
    for (;;) {
        if (readingStdin_) {
            if (std::optional<Arg> path = pathFromStdin())
                return path;
            readingStdin_ = false;
        }
        if (at_ >= words_.size())
            return std::nullopt;
        const Arg& word = words_[at_++];
        if (word.text != u"-")
            return word;
        readingStdin_ = true;
    }
}

qint64 FileArgs::knownCount() const {
    const bool stdinToo =
        std::any_of(words_.begin(), words_.end(), [](const Arg& a) { return a.text == u"-"; });
    return stdinToo ? -1 : words_.size();
}

int usageError(const QString& command, const QString& message) {
    err(u"velmora-cli: "_s + message +
        QCoreApplication::translate("velmora-cli", "\nTry 'velmora-cli ") +
        (command.isEmpty() ? QString() : command + u' ') +
        QCoreApplication::translate("velmora-cli", "--help'.\n"));
    return kExitUsage;
}

bool asksForHelp(const QList<Arg>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const Arg& a) { return a.text == u"--help" || a.text == u"-h"; });
}

bool isOption(const QString& word) {
    return word.startsWith(u"--") && word.size() > 2;
}

int unknownOption(const QString& command, const QString& option) {
    return usageError(command, QCoreApplication::translate("velmora-cli", "unknown option '") +
                                   option + u"'."_s);
}
