#include "gui/info/frmAbout.h"

#include "core/info/HomePage.h"
#include "core/info/ShellToBrowser.h"
#include "core/info/StartSysInfo.h"
#include "core/platform/DataFolder.h"
#include "core/platform/SharedState.h"
#include "gui/mainwindow/PlaceControl.h"
#include "gui/mainwindow/ThemeColours.h"
#include "gui/mainwindow/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
QLabel* label(QWidget* parent, const QString& name, QRect place, const QString& caption) {
    auto* l = placeControl<QLabel>(parent, name, place, caption);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QFrame* etchedLine(QWidget* parent, int index, int top, const char* colour) {
    auto* l =
        placeControl<QFrame>(parent, u"Line1_%1"_s.arg(index),
                             QRect(twipsToPixels(225), twipsToPixels(top), twipsToPixels(5310), 1));
    l->setStyleSheet(u"background-color: %1;"_s.arg(QString::fromLatin1(colour)));
    return l;
}
} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent, kToolWindowFlags) {
    fixWindow(*this, u"frmAbout"_s, tr("About ..."), {twipsToPixels(5745), twipsToPixels(4575)});

    picIcon = label(this, u"picIcon"_s, twipsRect(240, 240, 540, 540), {});
    setPicture(*picIcon, u":/icons/velmora.svg"_s);
    picIcon->setAccessibleName(tr("Velmora icon"));

    lblTitle = label(this, u"lblTitle"_s, twipsRect(1050, 240, 3885, 330), tr("Velmora"));
    QFont titleFont = designFont(u"Arial"_s, 12);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVer = label(this, u"lblVer"_s, twipsRect(1050, 720, 3885, 225),
                   tr("Version %1- np (no built-in player- uses default player)")
                       .arg(QStringLiteral(VELMORA_VERSION)));
    lblDescription = label(this, u"lblDescription"_s, twipsRect(1050, 1065, 3885, 570),
                           tr("Creates and maintains playlists of MP3 files for use in players "
                              "such as WinAmp, Media Player, etc."));
    lblDescription->setWordWrap(true);

    Line1[0] = etchedLine(this, 0, 2430, "grey");
    Line1[1] = etchedLine(this, 1, 2445, "white");

    cmdOK = placeControl<QPushButton>(this, u"cmdOK"_s, twipsRect(4245, 2625, 1260, 345), tr("OK"));
    cmdOK->setDefault(true);
    cmdSysInfo = placeControl<QPushButton>(this, u"cmdSysInfo"_s, twipsRect(4260, 3075, 1245, 345),
                                           tr("&System Info..."));

    Label3[2] = label(this, u"Label3_2"_s, twipsRect(90, 4230, 465, 195), tr("Visit at"));
    address = homePage(shared().programFolder(), installedDataFolder());
    lblURL = label(this, u"lblURL"_s, twipsRect(660, 4230, 2655, 195), {});
    // A palette, not a style sheet: a style sheet would change how the label measures its text.
    followPalette(*lblURL, [](QWidget& link) {
        QPalette linkColours = link.palette();
        linkColours.setColor(QPalette::WindowText, linkColour(themePalette(link)));
        link.setPalette(linkColours);
    });
    lblURL->setCursor(Qt::PointingHandCursor);
    lblURL->installEventFilter(this);
    lblURL->setAccessibleDescription(tr("Click to open the home page or the user guide"));
    Label3[3] = label(this, u"Label3_3"_s, twipsRect(3420, 4230, 720, 195), tr("for details."));

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    scaleLayout(*this);
    // Set after the layout is scaled: a long address (the guide's folder) is shortened in the
    // middle, and the tip shows it whole.
    // The label's own measure counts the glyphs' overhang too, so shorten until that fits.
    for (int room = lblURL->width(); room > 0; room -= 2) {
        lblURL->setText(lblURL->fontMetrics().elidedText(address, Qt::ElideMiddle, room));
        if (lblURL->sizeHint().width() <= lblURL->width())
            break;
    }
    lblURL->setToolTip(address);

    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::lblURL_Click() {
    // The caller gives no window style of its own: the platform reads that as 0.
    ShellToBrowser(address, 0);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblURL && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lblURL_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
