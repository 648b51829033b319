#pragma once

#include "core/platform/SharedState.h"
#include "support/FileBytes.h"
#include "support/fakes/FakeFileDialogs.h"
#include "support/fakes/FakePrompter.h"
#include "support/fakes/FakeRegistry.h"
#include "support/fakes/FakeShell.h"

// Gives every window test fresh fakes of the seams, a settings file in a temporary folder and
// that folder as the program's own folder. Restores the shared state afterwards.
class WindowFixture : public TempFolder {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        shared() = {&prompter,           &dialogs,  &shell, &registry, nullptr, iniPath(),
                    PlaylistFormat::M3u, tmp.path()};
    }
    void TearDown() override {
        EXPECT_TRUE(prompter.scriptUsedUp()) << "a scripted message box was never shown";
        shared() = {};
    }

    QString iniPath() const { return path(QStringLiteral("velmora.ini")); }
    QString makeFolder(const QString& name) const {
        QDir().mkpath(path(name));
        return path(name);
    }

    FakePrompter prompter;
    FakeFileDialogs dialogs;
    FakeShell shell;
    FakeRegistry registry;
};
