#include "core/platform/SharedState.h"
#include "core/settings/Settings.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/frmMain.h"

#include <QDir>
#include <QListWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Shows folder in the folder list (the drive list follows); false when it cannot be shown.
bool selectFolder(frmMain& w, const QString& folder) {
    if (!QDir::isAbsolutePath(folder) || !QFileInfo(folder).isDir())
        return false;
    return w.Dir1->setPath(folder);
}
} // namespace

void frmMain::Form_Load() {
    lstSelected->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    SharedState& s = shared();
    s.settings = std::make_unique<IniFiler>(s.settingsPath);
    const Settings settings(*s.settings);
    s.style = settings.style();
    if (settings.remember()) {
        if (!selectFolder(*this, settings.lastFolder()))
            selectFolder(*this, s.programFolder());
    } else {
        selectFolder(*this, QDir::currentPath());
    }
    Timer1->start();
}

void frmMain::Form_Unload() {
    Timer1->stop();
    if (!shared().settings)
        return;
    Settings settings(*shared().settings);
    if (settings.remember())
        settings.saveLastFolder(Dir1->Path());
}

void frmMain::mnuExit_Click() {
    close();
}
