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
    fixWindow(*this, u"frmHints"_s, tr("Hints for Using Velmora"),
              {twipsToPixels(4680), twipsToPixels(3810)});
    setWindowIcon(svgIcon(u":/icons/velmora.svg"_s));

    const HintLine lines[] = {
        {120, 210, 4485, tr("1. Use the Tools | Options menu choice to set m3u or pls style.")},
        {120, 510, 4485, tr("2. You may select multiple files using shift-click or ctrl-click.")},
        {120, 810, 4485, tr("3. You may drag songs from either listing to note to preview it.")},
        {120, 1110, 4485, tr("4. Playlists must be saved before using 'Click notes to play...'")},
        {120, 1410, 4485, tr("5. Watch the status bar at lower-left for more hints.")},
        {120, 1710, 4485, tr("6. You may re-order the list with the up/down buttons above it.")},
        {120, 2010, 4485, tr("7. Right-click a song for its ID3 tag.")},
        {120, 2310, 4485, tr("8. To remove from playlist, drop on trash button - or highlight")},
        {330, 2520, 4275, tr("songs to be removed and click the trash button.")},
        {120, 2820, 4485, tr("9. Double-click songs in center listing to see header info.")},
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
