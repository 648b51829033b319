#pragma once

#include <QString>

// Where About sends a user for details and where Hints sends questions. A packager sets both
// when building; without them the user guide installed with the program answers.

// The address About shows and opens: the home page set for this build, else the user guide
// beside the program (a build tree), else the one in the installed data folder.
QString homePage(const QString& programFolder, const QString& dataFolder);
// The last line of Hints.
QString contactLine();
