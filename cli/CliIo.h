#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

// Exit statuses of velmora-cli.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // some file could not be handled; the others were
constexpr int kExitUsage = 2;

// Standard output and error, always UTF-8.
void out(const QString& text);
void err(const QString& text);
void outJson(const QJsonObject& object); // one object per line

// Command-line words as given: raw bytes, so that file names that are not valid text in the
// locale's encoding can be told apart and refused instead of silently naming another file.
struct Arg {
    QByteArray raw;
    QString text;
    bool decodable() const;
};
QList<Arg> rawArguments(int argc, char** argv);

// A usage error: message on standard error, then a hint at --help.
int usageError(const QString& command, const QString& message);

// The format word of --format, or of a playlist's extension (.m3u, .m3u8, .pls in any case).
std::optional<QString> formatOfExtension(const QString& path);
