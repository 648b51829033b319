#include "gui/mainwindow/frmMain.h"

#include "core/playlist/PlaylistModel.h"
#include "core/playlist/SongFolderWatcher.h"
#include "gui/mainwindow/AccessibleNames.h"
#include "gui/mainwindow/DesktopKeys.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/DriveList.h"
#include "gui/mainwindow/ElidedLabel.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/FocusOutline.h"
#include "gui/mainwindow/LayoutScale.h"
#include "gui/mainwindow/SvgPicture.h"
#include "gui/mainwindow/ThemeColours.h"
#include "gui/mainwindow/Twips.h"
#include "gui/playlist/PlaylistProcedures.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
constexpr int kClientWidth = 8040;
constexpr int kClientHeight = 5010;

const char* const kListStyle = "background-color: black; color: rgb(0, 255, 255);";

QGroupBox* frame(QWidget* parent, const char* name, QRect r, const QString& caption = {}) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(QString::fromLatin1(name));
    setPlace(*f, r);
    if (!caption.isEmpty())
        followPalette(*f, [](QWidget& frame) {
            const QString colour =
                u"QGroupBox { color: %1; }"_s.arg(captionColour(themePalette(frame)).name());
            // Set anew even when the same: a style sheet keeps the palette it was set with,
            // and hands it to everything in the frame.
            frame.setStyleSheet({});
            frame.setStyleSheet(colour);
        });
    return f;
}

QPushButton* pictureButton(QWidget* parent, const char* name, QRect r, const char* picture,
                           const QString& tip, QSize iconSize = {}) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    setPlace(*b, r);
    setPicture(*b, QString::fromLatin1(picture),
               iconSize.isValid() ? iconSize : r.size() - QSize(6, 6));
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::TabFocus);
    outlineFocus(*b, 3);
    return b;
}

QPushButton* textButton(QWidget* parent, const char* name, QRect r, const QString& caption,
                        const QString& tip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    setPlace(*b, r);
    b->setToolTip(tip);
    b->setFlat(true);
    b->setFont(designFont(u"Times New Roman"_s, 8.25));
    b->setStyleSheet(u"QPushButton { padding: 0px; }"_s);
    return b;
}

QLabel* label(QWidget* parent, const char* name, QRect r, const QString& caption,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    setPlace(*l, r);
    l->setAlignment(align);
    return l;
}

QLabel* picture(QWidget* parent, const char* name, QRect r, const char* file) {
    auto* l = label(parent, name, r, {});
    setPicture(*l, QString::fromLatin1(file));
    return l;
}

QFrame* statusPanel(QWidget* parent, const char* name, QRect r) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    setPlace(*f, r);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

QFrame* line(QWidget* parent, int index, int x, int y1, int y2, bool white) {
    auto* l = new QFrame(parent);
    l->setObjectName(u"Line1_%1"_s.arg(index));
    setPlace(*l, QRect(twipsToPixels(x), twipsToPixels(y1), 1, twipsToPixels(y2 - y1)));
    l->setAutoFillBackground(true);
    l->setStyleSheet(white ? u"background-color: white;"_s : u"background-color: grey;"_s);
    return l;
}
} // namespace

// The pictures live in the static GUI library; make sure its resources are registered.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    initResources();
    setObjectName(u"frmMain"_s);
    setWindowTitle(tr("Velmora 1.7"));
    setWindowIcon(svgIcon(u":/icons/velmora.svg"_s));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    carryCursor = svgPixmap(u":/icons/carry.svg"_s, {32, 32}, devicePixelRatioF());
    dropCursor = svgPixmap(u":/icons/drop.svg"_s, {32, 32}, devicePixelRatioF());
    buildMenus();
    buildControls();
    connectHandlers();
    nameMainWindowControls(*this);
}

frmMain::~frmMain() = default;

void frmMain::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    setClientArea(*client, {twipsToPixels(kClientWidth), twipsToPixels(kClientHeight)});
    setCentralWidget(client);

    // Tool row.
    fraMenu = frame(client, "fraMenu", twipsRect(60, 0, 2355, 675));
    cmdNew = pictureButton(fraMenu, "cmdNew", twipsRect(240, 180, 495, 435), ":/icons/new.svg",
                           tr("New"));
    cmdOpen = pictureButton(fraMenu, "cmdOpen", twipsRect(735, 180, 495, 435), ":/icons/open.svg",
                            tr("Open"));
    cmdSave = pictureButton(fraMenu, "cmdSave", twipsRect(1230, 180, 495, 435), ":/icons/save.svg",
                            tr("Save"));
    cmdDelete = pictureButton(fraMenu, "cmdDelete", twipsRect(1740, 180, 495, 435),
                              ":/icons/delete.svg", tr("Delete playlist file"));
    fraInfo = frame(client, "fraInfo", twipsRect(2460, 0, 4245, 675));
    Label2 = label(fraInfo, "Label2", twipsRect(240, 300, 525, 195), tr("Playlist:"));
    // A long path keeps its file name in view; the whole path is its tool tip.
    lblName = new ElidedLabel(u"<new>"_s, fraInfo);
    lblName->setObjectName(u"lblName"_s);
    setPlace(*lblName, twipsRect(870, 300, 3285, 195));
    lblName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fraFiller = frame(client, "fraFiller", twipsRect(6750, 0, 1200, 675));
    cmdClear = pictureButton(fraFiller, "cmdClear", twipsRect(240, 180, 495, 435),
                             ":/icons/recycle.svg", tr("Remove MP3(s) from playlist"));
    cmdUp = pictureButton(fraFiller, "cmdUp", twipsRect(790, 180, 300, 210), ":/icons/up.svg",
                          tr("Move up"), {12, 8});
    cmdDn = pictureButton(fraFiller, "cmdDn", twipsRect(790, 400, 300, 210), ":/icons/down.svg",
                          tr("Move down"), {12, 8});

    // Available songs.
    fraAvail = frame(client, "fraAvail", twipsRect(60, 780, 4875, 3795),
                     tr("Drag 'n' drop to Selected list"));
    Drive1 = new DriveList(fraAvail);
    Drive1->setObjectName(u"Drive1"_s);
    setPlace(*Drive1, twipsRect(120, 300, 1995, 315));
    Dir1 = new DirList(fraAvail);
    Dir1->setObjectName(u"Dir1"_s);
    setPlace(*Dir1, twipsRect(120, 660, 1995, 3015));
    File1 = new FileList(fraAvail);
    File1->setObjectName(u"File1"_s);
    setPlace(*File1, twipsRect(2220, 300, 2520, 3210));
    cmdClearFile = textButton(fraAvail, "cmdClearFile", twipsRect(2280, 3510, 2385, 195),
                              tr("un-select all"), tr("Un-select all"));

    // The playlist.
    fraSelected =
        frame(client, "fraSelected", twipsRect(5070, 780, 2895, 3795), tr("Selected for playlist"));
    playlist = new PlaylistModel(this);
    lstSelected = new PlaylistView(*playlist, fraSelected);
    lstSelected->setObjectName(u"lstSelected"_s);
    setPlace(*lstSelected, twipsRect(120, 300, 2670, 2595));
    lstSelected->setAcceptDrops(true);
    cmdClearSel = textButton(fraSelected, "cmdClearSel", twipsRect(180, 2910, 2535, 195),
                             tr("un-select all"), tr("Un-select all"));
    Label1[0] = label(fraSelected, "Label1_0", twipsRect(90, 3150, 795, 585),
                      tr("Click notes to play this playlist"));
    Label1[1] = label(fraSelected, "Label1_1", twipsRect(1560, 3150, 705, 585),
                      tr("Drop on note to play song"));
    for (QLabel* l : Label1)
        l->setWordWrap(true);
    imPlayAll =
        picture(fraSelected, "imPlayAll", twipsRect(930, 3180, 480, 480), ":/icons/notes.svg");
    imgPlay1 =
        picture(fraSelected, "imgPlay1", twipsRect(2340, 3180, 480, 480), ":/icons/note.svg");

    for (QWidget* list : {static_cast<QWidget*>(Drive1), static_cast<QWidget*>(Dir1),
                          static_cast<QWidget*>(File1), static_cast<QWidget*>(lstSelected)})
        list->setStyleSheet(QString::fromLatin1(kListStyle));
    for (QWidget* list : {static_cast<QWidget*>(Dir1), static_cast<QWidget*>(File1),
                          static_cast<QWidget*>(lstSelected)})
        outlineFocus(*list, 0, Qt::SolidLine); // on the list's thin frame: dots would be lost
    outlineFocus(*Drive1, 2);

    // Status row.
    Picture2 = statusPanel(client, "Picture2", twipsRect(60, 4620, 4875, 315));
    lblHint = label(Picture2, "lblHint", twipsRect(60, 30, 4695, 195),
                    tr("Watch here for hints/instructions."));
    Picture4 = statusPanel(client, "Picture4", twipsRect(5070, 4620, 1395, 315));
    lblCount = label(Picture4, "lblCount", twipsRect(60, 30, 1215, 195), tr("0 available"),
                     Qt::AlignHCenter | Qt::AlignTop);
    Picture1 = statusPanel(client, "Picture1", twipsRect(6570, 4620, 1395, 315));
    lblSelected = label(Picture1, "lblSelected", twipsRect(60, 30, 1215, 195), tr("0 in playlist"),
                        Qt::AlignHCenter | Qt::AlignTop);

    // Holds the song last handed to the player; never shown.
    lblIsPlaying =
        label(client, "lblIsPlaying", twipsRect(180, 6000, 4485, 255), tr("this is playing"));
    lblIsPlaying->setVisible(false);

    // Etched grips in the tool row and the separator between the two note areas.
    int n = 0;
    for (QGroupBox* toolFrame : {fraMenu, fraInfo, fraFiller})
        for (auto [x, white] : {std::pair{75, true}, {90, false}, {120, true}, {135, false}}) {
            Line1[n] = line(toolFrame, n, x, 180, 600, white);
            ++n;
        }
    Line1[12] = line(fraSelected, 12, 1440, 3150, 3720, true);
    Line1[13] = line(fraSelected, 13, 1455, 3180, 3720, false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(2000);

    dlgCD.title = tr("Select playlist file");
    dlgCD.filter = tr("Playlists (*.m3u)|*.m3u");
    dlgCD.defaultExt = u".m3u"_s;

    scaleLayout(*this);
    // Not on the New button: Space there at once asks to clear the playlist.
    File1->setFocus();

    // Fixed size: the client area plus the menu bar; no maximise, no resizing.
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
}

void frmMain::buildMenus() {
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(u"mnuFile"_s);
    mnuNew = mnuFile->addAction(tr("New"));
    mnuOpen = mnuFile->addAction(tr("Open"));
    mnuSave = mnuFile->addAction(tr("Save"));
    mnuSaveAs = mnuFile->addAction(tr("Save as..."));
    blank1 = mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(tr("E&xit"));
    QMenu* mnuTools = menuBar()->addMenu(tr("&Tools"));
    mnuTools->setObjectName(u"mnuTools"_s);
    mnuConfig = mnuTools->addAction(tr("&Options"));
    dash3 = mnuTools->addSeparator();
    mnuExplorer = mnuTools->addAction(tr("&Explorer"));
    mnuFindSongs = mnuTools->addAction(tr("&Find missing songs..."));
    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(u"mnuHelp"_s);
    mnuAbout = mnuHelp->addAction(tr("&About..."));
    mnuHints = mnuHelp->addAction(tr("&Hints"));
    const std::pair<QAction*, const char*> names[] = {
        {mnuNew, "mnuNew"},           {mnuOpen, "mnuOpen"},
        {mnuSave, "mnuSave"},         {mnuSaveAs, "mnuSaveAs"},
        {blank1, "blank1"},           {mnuExit, "mnuExit"},
        {mnuConfig, "mnuConfig"},     {dash3, "dash3"},
        {mnuExplorer, "mnuExplorer"}, {mnuFindSongs, "mnuFindSongs"},
        {mnuAbout, "mnuAbout"},       {mnuHints, "mnuHints"}};
    for (auto [action, name] : names)
        action->setObjectName(QString::fromLatin1(name));
    // The desktop's own keys, shown beside the captions; the usual ones where it has none.
    mnuNew->setShortcuts(desktopKeys(QKeySequence::New, QKeySequence(u"Ctrl+N"_s)));
    mnuOpen->setShortcuts(desktopKeys(QKeySequence::Open, QKeySequence(u"Ctrl+O"_s)));
    mnuSave->setShortcuts(desktopKeys(QKeySequence::Save, QKeySequence(u"Ctrl+S"_s)));
    mnuSaveAs->setShortcuts(desktopKeys(QKeySequence::SaveAs, QKeySequence(u"Ctrl+Shift+S"_s)));
    mnuExit->setShortcuts(desktopKeys(QKeySequence::Quit, QKeySequence(u"Ctrl+Q"_s)));
}

void frmMain::connectHandlers() {
    connect(mnuNew, &QAction::triggered, this, &frmMain::mnuNew_Click);
    connect(mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(mnuSave, &QAction::triggered, this, &frmMain::mnuSave_Click);
    connect(mnuSaveAs, &QAction::triggered, this, &frmMain::mnuSaveAs_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuConfig, &QAction::triggered, this, &frmMain::mnuConfig_Click);
    connect(mnuExplorer, &QAction::triggered, this, &frmMain::mnuExplorer_Click);
    connect(mnuFindSongs, &QAction::triggered, this, &frmMain::mnuFindSongs_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuHints, &QAction::triggered, this, &frmMain::mnuHints_Click);

    connect(cmdNew, &QPushButton::clicked, this, &frmMain::cmdNew_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmMain::cmdDelete_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(cmdUp, &QPushButton::clicked, this, &frmMain::cmdUp_Click);
    connect(cmdDn, &QPushButton::clicked, this, &frmMain::cmdDn_Click);
    connect(cmdClearFile, &QPushButton::clicked, this, &frmMain::cmdClearFile_Click);
    connect(cmdClearSel, &QPushButton::clicked, this, &frmMain::cmdClearSel_Click);

    connect(Drive1, &DriveList::driveChanged, this, &frmMain::Drive1_Change);
    connect(Dir1, &DirList::pathChanged, this, &frmMain::Dir1_Change);
    connect(File1, &FileList::pathChanged, this, &frmMain::File1_PathChange);
    // Songs came or went in the folder shown: its memory is recorded again (the list kept the
    // selection by name) and the counter need not wait for the timer. Playlist entries without a
    // folder name songs there, so their marks follow.
    connect(File1, &FileList::filesChanged, this, [this] {
        SavePkF();
        Timer1_Timer();
        markMissingSongs();
    });
    // Songs deleted, moved or put back by another program: the grey mark follows at once.
    auto* songFolders = new SongFolderWatcher(*playlist, this);
    connect(songFolders, &SongFolderWatcher::songsChanged, this, [this] { markMissingSongs(); });
    connect(File1, &QListWidget::itemDoubleClicked, this, &frmMain::File1_DblClick);
    // lblName shows the document's file; the playlist knows it.
    connect(playlist, &PlaylistModel::filePathChanged, this, [this](const QString& path) {
        lblName->setText(path.isEmpty() ? kNewPlaylistName : path);
    });
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    installEventRouting(); // mouse, drag and hint events
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!askToSaveChanges()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmMain::changeEvent(QEvent* event) {
    // Songs may have been copied, moved or deleted while the user was in another program.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        markMissingSongs();
    QMainWindow::changeEvent(event);
}
