#pragma once

#include "core/platform/Shell.h"

// The desktop: the default application of a file type, found and started through GIO where
// the build has it, so that a missing or broken application is reported, not assumed away.
class DesktopShell : public Shell {
public:
    int open(const QString& file, const QString& parameters, const QString& workingDir,
             int showMode) override;
    ShellLookup findExecutable(const QString& file, const QString& folder) override;
    bool startCommandLine(const QString& commandLine) override;
};
