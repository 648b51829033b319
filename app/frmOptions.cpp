#include "app/frmOptions.h"

#include "app/IniFiler.h"
#include "app/LeadingNumber.h"
#include "app/PlaceControl.h"
#include "app/SharedState.h"
#include "mainwindow/Twips.h"
#include "platform/Prompter.h"
#include "playlist/Entry.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
QString readSetting(IniFiler& ini, const QString& section, const QString& key,
                    const QString& fallback) {
    ini.Section(section);
    ini.Setting(key);
    ini.Default(fallback);
    ini.GetFromIni();
    return ini.Value();
}

void writeSetting(IniFiler& ini, const QString& section, const QString& key, const QString& value) {
    ini.Section(section);
    ini.Setting(key);
    ini.Value(value);
    ini.WriToIni();
}

double roundedNumber(const QString& text) {
    return roundHalfEven(leadingNumber(text));
}

} // namespace

frmOptions::frmOptions(QWidget* parent) : QDialog(parent, kToolWindowFlags) {
    fixWindow(*this, u"frmOptions"_s, u"Configuration Options"_s,
              {twipsToPixels(4740), twipsToPixels(2955)});

    Frame2 =
        placeControl<QGroupBox>(this, u"Frame2"_s, twipsRect(180, 120, 4395, 1215), u"General"_s);
    chkGeneral[0] = placeControl<QCheckBox>(
        Frame2, u"chkGeneral_0"_s, twipsRect(540, 300, 3255, 195), u"Remember last mp3 folder"_s);
    chkGeneral[0]->setChecked(true);
    optStyle[0] = placeControl<QRadioButton>(Frame2, u"optStyle_0"_s,
                                             twipsRect(540, 630, 2235, 195), u".m3u style"_s);
    optStyle[1] = placeControl<QRadioButton>(Frame2, u"optStyle_1"_s,
                                             twipsRect(540, 870, 1635, 195), u".pls style"_s);
    optStyle[0]->setChecked(true);

    Frame1 = placeControl<QGroupBox>(this, u"Frame1"_s, twipsRect(180, 1470, 4395, 1275),
                                     u"Paths in .mp3 filenames in playlist file"_s);
    const QString usePathCaptions[] = {u"Never use pathnames"_s, u"Always use pathnames"_s,
                                       u"Let computer decide"_s};
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
    IniFiler& ini = *shared().settings;
    // A hand-edited value that names no choice shows the choice the program acts on.
    chkGeneral[0]->setChecked(
        roundedNumber(readSetting(ini, u"Options"_s, u"Remember"_s, u"1"_s)) != 0);
    const bool pls = roundedNumber(readSetting(ini, u"Options"_s, u"Style"_s, u"0"_s)) == 1;
    optStyle[pls ? 1 : 0]->setChecked(true);
    const PathMode mode = pathModeFromText(readSetting(ini, u"Paths"_s, u"UsePaths"_s, u"2"_s));
    optUsePath[static_cast<int>(mode)]->setChecked(true);
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
    if (!shared().prompter->askYesNo(u"Save options?"_s, u"Confirm"_s))
        return;
    IniFiler& ini = *shared().settings;
    writeSetting(ini, u"Options"_s, u"Remember"_s,
                 chkGeneral[0]->isChecked() ? u"1"_s : u"0"_s);
    shared().style = optStyle[1]->isChecked() ? 1 : 0;
    writeSetting(ini, u"Options"_s, u"Style"_s, QString::number(shared().style));
    const int usePaths = optUsePath[0]->isChecked() ? 0 : optUsePath[1]->isChecked() ? 1 : 2;
    writeSetting(ini, u"Paths"_s, u"UsePaths"_s, QString::number(usePaths));
}

void frmOptions::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}
