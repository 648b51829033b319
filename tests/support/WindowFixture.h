#pragma once

#include "app/SharedState.h"
#include "fakes/FakeFileDialogs.h"
#include "fakes/FakePrompter.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// Gives every window test fresh fakes of the seams, a settings file in a temporary folder and
// that folder as the program's own folder. Restores the shared state afterwards.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        shared() = {.prompter = &prompter,
                    .fileDialogs = &dialogs,
                    .shell = &shell,
                    .registry = &registry,
                    .settings = nullptr,
                    .settingsPath = iniPath(),
                    .style = 0,
                    .programFolderOverride = tmp.path()};
    }
    void TearDown() override {
        EXPECT_TRUE(prompter.scriptUsedUp()) << "a scripted message box was never shown";
        shared() = {};
    }

    QString path(const QString& name) const { return tmp.filePath(name); }
    QString iniPath() const { return path(QStringLiteral("velmora.ini")); }
    // Writes bytes to a file below the temporary folder, making folders as needed.
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        return writeBytes(path(name), bytes);
    }
    QString makeFolder(const QString& name) const {
        QDir().mkpath(path(name));
        return path(name);
    }
    static QByteArray readFile(const QString& path) { return readBytes(path); }

    QTemporaryDir tmp;
    FakePrompter prompter;
    FakeFileDialogs dialogs;
    FakeShell shell;
    FakeRegistry registry;
};
