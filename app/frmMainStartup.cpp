#include "app/IniFiler.h"
#include "app/LeadingNumber.h"
#include "app/SharedState.h"
#include "mainwindow/DirList.h"
#include "mainwindow/DriveList.h"
#include "mainwindow/frmMain.h"

#include <QDir>
#include <QListWidget>
#include <QTimer>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
// Shows folder in the drive and folder lists; false when it cannot be shown.
bool selectFolder(frmMain& w, const QString& folder) {
    if (!QDir::isAbsolutePath(folder) || !QFileInfo(folder).isDir())
        return false;
    w.Drive1->setDrive(folder);
    return w.Dir1->setPath(folder);
}

qint16 styleFromText(const QString& text) {
    const double rounded = roundHalfEven(leadingNumber(text));
    // Only a hand-edited file holds a number outside the 16-bit range; read it as M3U.
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return 0;
    return static_cast<qint16>(rounded);
}
} // namespace

void frmMain::Form_Load() {
    lstSelected->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    SharedState& s = shared();
    s.settings = std::make_unique<IniFiler>(s.settingsPath);
    IniFiler& ini = *s.settings;

    ini.Section(u"Options"_s);
    ini.Setting(u"Style"_s);
    ini.Default(u"0"_s);
    ini.GetFromIni();
    s.style = styleFromText(ini.Value());

    ini.Setting(u"Remember"_s);
    ini.Default(u"1"_s);
    ini.GetFromIni();
    if (ini.Value() == u"1") {
        // No default of its own: a missing Last reads as the "1" left from Remember.
        ini.Setting(u"Last"_s);
        ini.GetFromIni();
        if (!selectFolder(*this, ini.Value()))
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
    IniFiler& ini = *shared().settings;
    ini.Section(u"Options"_s);
    ini.Setting(u"Remember"_s);
    ini.Default(u"1"_s);
    ini.GetFromIni();
    if (ini.Value() == u"1") {
        ini.Setting(u"Last"_s);
        ini.Value(Dir1->Path());
        ini.WriToIni();
    }
}

void frmMain::mnuExit_Click() {
    close();
}
