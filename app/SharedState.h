#pragma once

#include "app/IniFiler.h"

#include <QString>
#include <memory>

class Prompter;
class FileDialogs;
class Shell;
class Registry;

// The state every window shares. The seams are set once at start-up (tests set fakes).
struct SharedState {
    Prompter* prompter = nullptr;
    FileDialogs* fileDialogs = nullptr;
    Shell* shell = nullptr;
    Registry* registry = nullptr;

    std::unique_ptr<IniFiler> settings; // the one settings store, made by frmMain's Form_Load
    QString settingsPath;               // empty: the usual place; tests point it elsewhere
    qint16 style = 0;                   // 0 = M3U, 1 = PLS

    QString programFolderOverride; // tests only
    QString programFolder() const; // the folder of the executable
};

SharedState& shared();
