#pragma once

#include <QStringList>

class QCoreApplication;
class QLocale;

// The folders a translation (velmora_<language>.qm) is looked for in: beside the program (a
// build tree) and in the installed data folder.
QStringList translationFolders();

// Installs the program's translation for the locale from the first folder that has one, and
// then Qt's own texts (the buttons of message boxes) in the same language. English is the
// source language and needs no file. False when the program has no translation for the locale.
bool loadTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders);
