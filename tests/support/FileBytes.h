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

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The shared folder of real-world songs in a folder above the checkout; empty when there is none.
inline QString realWorldSongs() {
    for (QDir dir(QStringLiteral(VELMORA_TEST_DATA)); dir.cdUp();)
        if (dir.exists(QStringLiteral("shared/realworld/mp3")))
            return dir.filePath(QStringLiteral("shared/realworld/mp3"));
    return {};
}

// A test with a temporary folder of its own.
class TempFolder : public ::testing::Test {
protected:
    QString path(const QString& name) const { return tmp.filePath(name); }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        return writeBytes(path(name), bytes);
    }

    QTemporaryDir tmp;
};
