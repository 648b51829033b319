#include "gui/info/frmHints.h"

#include "core/info/HomePage.h"
#include "gui/mainwindow/CenterForm.h"
#include "gui/mainwindow/PlaceControl.h"
#include "gui/mainwindow/SvgPicture.h"
#include "gui/mainwindow/Twips.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
struct HintLine {
    int left, top, width;
    QString text;
};
} // namespace

frmHints::frmHints(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    fixWindow(*this, u"frmHints"_s, u"Hints for Using Velmora"_s,
              {twipsToPixels(4680), twipsToPixels(3810)});
    setWindowIcon(svgIcon(u":/icons/velmora.svg"_s));

    const HintLine lines[] = {
        {120, 210, 4485, u"1. Use the Tools | Options menu choice to set m3u or pls style."_s},
        {120, 510, 4485, u"2. You may select multiple files using shift-click or ctrl-click."_s},
        {120, 810, 4485, u"3. You may drag songs from either listing to note to preview it."_s},
        {120, 1110, 4485, u"4. Playlists must be saved before using 'Click notes to play...'"_s},
        {120, 1410, 4485, u"5. Watch the status bar at lower-left for more hints."_s},
        {120, 1710, 4485, u"6. You may re-order the list with the up/down buttons above it."_s},
        {120, 2010, 4485, u"7. Right-click a song for its ID3 tag."_s},
        {120, 2310, 4485, u"8. To remove from playlist, drop on trash button - or highlight"_s},
        {330, 2520, 4275, u"songs to be removed and click the trash button."_s},
        {120, 2820, 4485, u"9. Double-click songs in center listing to see header info."_s},
        {180, 3360, 4155, contactLine()},
    };
    for (size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = placeControl<QLabel>(
            this, u"Label1_%1"_s.arg(i),
            twipsRect(lines[i].left, lines[i].top, lines[i].width, 195), lines[i].text);
        Label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    scaleLayout(*this);
    Form_Load();
}

void frmHints::Form_Load() {
    CenterForm(*this);
}
