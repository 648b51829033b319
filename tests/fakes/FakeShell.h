#pragma once

#include "platform/Shell.h"

#include <QStringList>
#include <vector>

// Records what the program asked the desktop to do and answers with set results.
class FakeShell : public Shell {
public:
    struct OpenCall {
        QString file, parameters, workingDir;
        int showMode;
    };
    int open(const QString& file, const QString& parameters, const QString& workingDir,
             int showMode) override {
        opens.push_back({file, parameters, workingDir, showMode});
        return openResult;
    }
    ShellLookup findExecutable(const QString& file, const QString& folder) override {
        lookups.push_back({file, folder});
        return lookupAnswer;
    }
    bool startCommandLine(const QString& commandLine) override {
        commandLines.push_back(commandLine);
        started.push_back(splitCommandLine(commandLine));
        return startResult;
    }

    int openResult = 42;
    ShellLookup lookupAnswer;
    bool startResult = true;
    std::vector<OpenCall> opens;
    std::vector<QStringList> lookups; // {file, folder}
    QStringList commandLines;
    std::vector<QStringList> started; // program and arguments as they would be started
};
