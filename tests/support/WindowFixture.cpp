#include "support/WindowFixture.h"

#include <QDir>

void WindowFixture::SetUp() {
    ASSERT_TRUE(tmp.isValid());
    SharedState& s = shared();
    s.prompter = &prompter;
    s.fileDialogs = &dialogs;
    s.shell = &shell;
    s.registry = &registry;
    s.settings.reset();
    s.settingsPath = iniPath();
    s.programFolderOverride = tmp.path();
    s.style = 0;
}

void WindowFixture::TearDown() {
    EXPECT_TRUE(prompter.scriptUsedUp()) << "a scripted message box was never shown";
    SharedState& s = shared();
    s.prompter = nullptr;
    s.fileDialogs = nullptr;
    s.shell = nullptr;
    s.registry = nullptr;
    s.settings.reset();
    s.settingsPath.clear();
    s.programFolderOverride.clear();
    s.style = 0;
}

QString WindowFixture::writeFile(const QString& name, const QByteArray& bytes) const {
    return writeBytes(path(name), bytes);
}

QString WindowFixture::makeFolder(const QString& name) const {
    const QString full = path(name);
    QDir().mkpath(full);
    return full;
}
