#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to path, making its folders; returns path. Fails the test when it cannot.
QString writeBytes(const QString& path, const QByteArray& bytes);
// The file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString& path);
