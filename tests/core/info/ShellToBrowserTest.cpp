#include "core/info/ShellToBrowser.h"
#include "core/platform/SharedState.h"
#include "support/fakes/FakePrompter.h"
#include "support/fakes/FakeShell.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

TEST(ShellToBrowser, OpensThePageOrSaysWhyTheBrowserDidNot) {
    FakeShell shell;
    FakePrompter prompter;
    shared().shell = &shell;
    shared().prompter = &prompter;
    EXPECT_TRUE(ShellToBrowser(u"/g.html"_s, 1));
    for (const int failure : {kShellNoAssociation, kShellFileNotFound}) {
        shell.openResult = failure;
        prompter.expectMessage();
        EXPECT_FALSE(ShellToBrowser(u"/g.html"_s, 1));
    }
    const QString box = u"[Browser Unavailable] "_s + QCoreApplication::applicationName();
    EXPECT_EQ(prompter.described(),
              QStringList({box + u" could not find a file association for /g.html on your "
                                 "system. You should check that your browser is correctly "
                                 "installed and associated with .html files. (OK, exclamation)"_s,
                           box + u" had a problem running your web browser. (Error2) (OK, "
                                 "exclamation)"_s}));
    EXPECT_EQ(shell.opens, std::vector<QStringList>(3, {u"/g.html"_s, u"1"_s}));
    shared().shell = nullptr;
    shared().prompter = nullptr;
}
