#pragma once

#include <QString>
#include <QStringList>

// Everything that hands work to another program. Results follow the old shell convention:
// a number above 32 is success; 31 means no program is associated with the file type and
// 2 means the file was not found.
constexpr int kShellNoAssociation = 31;
constexpr int kShellFileNotFound = 2;
constexpr bool shellSucceeded(int result) {
    return result > 32;
}

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
// common cases: blanks separate words, double quotes group them and are removed, and two double
// quotes inside a quoted word stand for one. Blanks around the program are dropped.
QStringList splitCommandLine(const QString& commandLine);
// One word of a command line: text in double quotes, its own double quotes doubled, so that
// splitCommandLine gives it back whole whatever it holds.
QString quoteArgument(const QString& text);
// The program lookup's answer: the program's path, a blank and the file's path as one quoted
// word. A program whose path holds a double quote cannot be named this way: empty.
QString lookupAnswerText(const QString& program, const QString& file);
