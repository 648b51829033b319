#pragma once

#include "core/playlist/PlaylistFormat.h"
#include "core/settings/IniFiler.h"

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
    PlaylistFormat style = PlaylistFormat::M3u; // the style option

    QString programFolderOverride; // tests only
    QString programFolder() const; // the folder of the executable
};

SharedState& shared();
