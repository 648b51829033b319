#pragma once

#include <QString>
#include <QStringList>

// Everything that hands work to another program. Results follow the old shell convention:
// a number above 32 is success, anything up to 32 names the failure.
constexpr int kShellFileNotFound = 2;           // the file, or the program, is not there
constexpr int kShellAccessDenied = 5;           // the program may not be run
constexpr int kShellAssociationIncomplete = 27; // a program is named but would not start
constexpr int kShellNoAssociation = 31;         // no program opens this type of file
constexpr int kShellStarted = 42;
constexpr bool shellSucceeded(int result) {
    return result > 32;
}

struct ShellLookup {
    int result = kShellNoAssociation;
    // A program, then the file's path in double quotes. On a Linux desktop the program is the
    // default application's desktop entry file, which startCommandLine recognises.
    QString program;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file, folder or URL with its default program.
    virtual int open(const QString& file, const QString& parameters, const QString& workingDir,
                     int showMode) = 0;
    virtual ShellLookup findExecutable(const QString& file, const QString& folder) = 0;
    // Starts a program given as a command line, never through a command interpreter; a desktop
    // entry file as the program is launched as the desktop does, with the other words as its
    // files. Returns false when the line is empty or the program could not be started.
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
