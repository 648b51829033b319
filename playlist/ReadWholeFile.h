#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The whole content of a file, or nothing when it cannot be read to its end (missing, no
// permission, a folder). errorText, when given, receives the system's reason.
std::optional<QByteArray> readWholeFile(const QString& path, QString* errorText = nullptr);
