#include "cli/CliIo.h"

#include <QFile>
#include <QJsonDocument>
#include <cstdio>

void out(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

void err(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

void outJson(const QJsonObject& object) {
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

bool Arg::decodable() const {
    return QFile::encodeName(text) == raw;
}

QList<Arg> rawArguments(int argc, char** argv) {
    QList<Arg> args;
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        args.append({raw, QFile::decodeName(raw)});
    }
    return args;
}

int usageError(const QString& command, const QString& message) {
    err(u"velmora-cli: "_qs + message + u"\nTry 'velmora-cli "_qs +
        (command.isEmpty() ? QString() : command + u' ') + u"--help'.\n"_qs);
    return kExitUsage;
}

std::optional<QString> formatOfExtension(const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(u".m3u") || lower.endsWith(u".m3u8"))
        return u"m3u"_qs;
    if (lower.endsWith(u".pls"))
        return u"pls"_qs;
    return std::nullopt;
}
