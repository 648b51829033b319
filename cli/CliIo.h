#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

// Exit statuses of velmora-cli.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // some file could not be handled; the others were
constexpr int kExitUsage = 2;

// Standard output and error, always UTF-8.
void out(const QString& text);
void err(const QString& text);
void outBytes(const QByteArray& bytes);
void errBytes(const QByteArray& bytes);
// One JSON object on one line, its keys in the order they were added. Written by hand because
// a QJsonObject sorts its keys and costs more than reading the song did.
class JsonLine {
public:
    JsonLine();
    JsonLine& add(const char* key, const QString& value);
    JsonLine& add(const char* key, const QStringList& values); // an array of strings
    JsonLine& add(const char* key, qint64 value);
    JsonLine& add(const char* key, bool value);
    // The value, or null when there is none.
    JsonLine& add(const char* key, std::optional<qint64> value);
    JsonLine& add(const char* key, const std::optional<QString>& value);
    // A nested object under key: what is added until endObject() goes into it.
    JsonLine& beginObject(const char* key);
    JsonLine& endObject();
    void print();      // writes the object and a line end to standard output
    QByteArray line(); // the object and a line end, to be written later

private:
    void key(const char* name);
    void string(const QString& value); // quoted and escaped
    std::string text_; // appends inline, where a QByteArray's go through a general insert
};

// Command-line words as given: raw bytes, so that file names that are not valid text in the
// locale's encoding can be told apart and refused instead of silently naming another file.
struct Arg {
    QByteArray raw;
    QString text;
    bool decodable() const;
};
QList<Arg> rawArguments(int argc, char** argv);

// The next line of standard input as a path (without its line end), skipping empty lines;
// nullopt at the end of the input.
std::optional<Arg> pathFromStdin();

// The files given to a command, one at a time and in order: "-" stands for the paths on
// standard input, one a line, read only as they are needed.
class FileArgs {
public:
    explicit FileArgs(QList<Arg> words) : words_(std::move(words)) {}
    std::optional<Arg> next();
    qint64 knownCount() const; // -1 when standard input is read

private:
    QList<Arg> words_;
    qsizetype at_ = 0;
    bool readingStdin_ = false;
};

// A usage error: message on standard error, then a hint at --help.
int usageError(const QString& command, const QString& message);

// True when a word asks for help (--help or -h), wherever it stands.
bool asksForHelp(const QList<Arg>& args);
// True for a word that looks like an option ("--json"); "-" and "--" alone are not options.
bool isOption(const QString& word);
// The usage error for an option the command does not know.
int unknownOption(const QString& command, const QString& option);
