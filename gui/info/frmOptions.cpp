#include "gui/info/frmOptions.h"

#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/settings/Settings.h"
#include "gui/mainwindow/PlaceControl.h"
#include "gui/mainwindow/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace Qt::StringLiterals;

frmOptions::frmOptions(QWidget* parent) : QDialog(parent, kToolWindowFlags) {
    fixWindow(*this, u"frmOptions"_s, tr("Configuration Options"),
              {twipsToPixels(4740), twipsToPixels(2955)});

    Frame2 =
        placeControl<QGroupBox>(this, u"Frame2"_s, twipsRect(180, 120, 4395, 1215), tr("General"));
    chkGeneral[0] = placeControl<QCheckBox>(
        Frame2, u"chkGeneral_0"_s, twipsRect(540, 300, 3255, 195), tr("Remember last mp3 folder"));
    chkGeneral[0]->setChecked(true);
    optStyle[0] = placeControl<QRadioButton>(Frame2, u"optStyle_0"_s,
                                             twipsRect(540, 630, 2235, 195), tr(".m3u style"));
    optStyle[1] = placeControl<QRadioButton>(Frame2, u"optStyle_1"_s,
                                             twipsRect(540, 870, 1635, 195), tr(".pls style"));
    optStyle[0]->setChecked(true);

    Frame1 = placeControl<QGroupBox>(this, u"Frame1"_s, twipsRect(180, 1470, 4395, 1275),
                                     tr("Paths in .mp3 filenames in playlist file"));
    const QString usePathCaptions[] = {tr("Never use pathnames"), tr("Always use pathnames"),
                                       tr("Let computer decide")};
    for (int i = 0; i < 3; ++i)
        optUsePath[i] = placeControl<QRadioButton>(Frame1, u"optUsePath_%1"_s.arg(i),
                                                   twipsRect(540, 360 + 240 * i, 2295, 195),
                                                   usePathCaptions[i]);
    optUsePath[2]->setChecked(true);

    // Clicks only: a selection made by the program is no change of the user's.
    connect(chkGeneral[0], &QCheckBox::clicked, this, [this] { chkGeneral_Click(0); });
    for (int i = 0; i < 2; ++i)
        connect(optStyle[i], &QRadioButton::clicked, this, [this, i] { optStyle_Click(i); });
    for (int i = 0; i < 3; ++i)
        connect(optUsePath[i], &QRadioButton::clicked, this, [this, i] { optUsePath_Click(i); });

    scaleLayout(*this);
    Form_Load();
}

void frmOptions::Form_Load() {
    // The values the program acts on, read by the same rules as start-up and saving use.
    const Settings settings(*shared().settings);
    chkGeneral[0]->setChecked(settings.remember());
    optStyle[settings.style() == PlaylistFormat::Pls ? 1 : 0]->setChecked(true);
    optUsePath[static_cast<int>(settings.pathMode())]->setChecked(true);
    changed_ = false;
}

void frmOptions::chkGeneral_Click(int) {
    changed_ = true;
}

void frmOptions::optStyle_Click(int) {
    changed_ = true;
}

void frmOptions::optUsePath_Click(int) {
    changed_ = true;
}

void frmOptions::Form_Unload() {
    if (!changed_)
        return;
    if (!shared().prompter->askYesNo(tr("Save options?"), tr("Confirm")))
        return;
    shared().style = optStyle[1]->isChecked() ? PlaylistFormat::Pls : PlaylistFormat::M3u;
    const PathMode mode = optUsePath[0]->isChecked()   ? PathMode::Never
                          : optUsePath[1]->isChecked() ? PathMode::Always
                                                       : PathMode::Decide;
    const Result<> saved =
        Settings(*shared().settings).saveOptions(chkGeneral[0]->isChecked(), shared().style, mode);
    if (!saved)
        shared().prompter->inform(tr("The options could not be saved to ") + saved.reason(),
                                  tr("Problem"), MsgIcon::Exclamation);
}

void frmOptions::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}
