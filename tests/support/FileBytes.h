#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Writes bytes to path, making its folders; returns path. Fails the test when it cannot.
inline QString writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) << qPrintable(path);
    return path;
}

// The file's bytes; empty when it cannot be read.
inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A test with a temporary folder of its own.
class TempFolder : public ::testing::Test {
protected:
    QString path(const QString& name) const { return tmp.filePath(name); }
    // Writes bytes to a file below the folder, making folders as needed.
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        return writeBytes(path(name), bytes);
    }

    QTemporaryDir tmp;
};
