#pragma once

#include "core/platform/Shell.h"

#include <vector>

// Records what the program asked the desktop to do: files opened (with how their window shows)
// and command lines started, split as the program would be started.
class FakeShell : public Shell {
public:
    int open(const QString& file, const QString&, const QString&, int showMode) override {
        opens.push_back({file, QString::number(showMode)});
        return openResult;
    }
    ShellLookup findExecutable(const QString&, const QString&) override { return {}; }
    bool startCommandLine(const QString& commandLine) override {
        started.push_back(splitCommandLine(commandLine));
        return startResult;
    }
    bool startResult = true;
    int openResult = kShellStarted;
    std::vector<QStringList> opens, started;
};
