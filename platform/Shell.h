#pragma once

#include <QString>
#include <QStringList>

// Everything that hands work to another program. Results follow the old shell convention:
// a number above 32 is success; 31 means no program is associated with the file type and
// 2 means the file was not found.
constexpr int kShellNoAssociation = 31;
constexpr int kShellFileNotFound = 2;

struct ShellLookup {
    int result = kShellNoAssociation;
    QString program; // program path followed by the file's path in double quotes
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file, folder or URL with its default program.
    virtual int open(const QString& file, const QString& parameters, const QString& workingDir,
                     int showMode) = 0;
    virtual ShellLookup findExecutable(const QString& file, const QString& folder) = 0;
    // Starts a program given as a command line, never through a command interpreter.
    // Returns false when the line is empty or the program could not be started.
    virtual bool startCommandLine(const QString& commandLine) = 0;
};

// Splits a command line into program and arguments the way the Windows shell does for the
// common cases: blanks separate words, double quotes group them and are removed.
QStringList splitCommandLine(const QString& commandLine);
