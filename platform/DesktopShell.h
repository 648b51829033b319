#pragma once

#include "platform/Shell.h"

// The Linux desktop: the default application of a file type, found through GIO.
class DesktopShell : public Shell {
public:
    int open(const QString& file, const QString& parameters, const QString& workingDir,
             int showMode) override;
    ShellLookup findExecutable(const QString& file, const QString& folder) override;
    bool startCommandLine(const QString& commandLine) override;
};
