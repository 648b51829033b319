#pragma once

#include "platform/Shell.h"

#include <vector>

// Records what the program asked the desktop to do and answers with set results.
class FakeShell : public Shell {
public:
    struct OpenCall {
        QString file, workingDir;
        int showMode;
    };
    int open(const QString& file, const QString&, const QString& dir, int showMode) override {
        opens.push_back({file, dir, showMode});
        return openResult;
    }
    ShellLookup findExecutable(const QString&, const QString&) override { return {}; }
    bool startCommandLine(const QString& commandLine) override {
        started.push_back(splitCommandLine(commandLine)); // as the program would be started
        return startResult;
    }
    int openResult = kShellStarted;
    bool startResult = true;
    std::vector<OpenCall> opens;
    std::vector<QStringList> started;
};
