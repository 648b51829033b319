#pragma once

#include "core/platform/FileDialogs.h"
#include "gui/playlist/PlaylistView.h"

#include <QMainWindow>
#include <QPixmap>
#include <QVector>
#include <array>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMimeData;
class QPushButton;
class QTimer;
class DriveList;
class DirList;
class FileList;
class PlaylistModel;

// The main window. Its layout lives in frmMain.cpp; each handler is defined in the folder of the
// subsystem that owns it (file commands in playlist/, tags and headers in mp3/, playing in
// launch/, information windows in infowindows/, start-up in app/).
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- controls (names as the user interface calls them) ----
    QGroupBox* fraMenu = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdDelete = nullptr;
    QGroupBox* fraInfo = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblName = nullptr;
    QGroupBox* fraFiller = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdUp = nullptr;
    QPushButton* cmdDn = nullptr;
    QGroupBox* fraAvail = nullptr;
    DriveList* Drive1 = nullptr;
    DirList* Dir1 = nullptr;
    FileList* File1 = nullptr;
    QPushButton* cmdClearFile = nullptr;
    QGroupBox* fraSelected = nullptr;
    PlaylistView* lstSelected = nullptr;
    QPushButton* cmdClearSel = nullptr;
    std::array<QLabel*, 2> Label1{};
    QLabel* imPlayAll = nullptr;
    QLabel* imgPlay1 = nullptr;
    QFrame* Picture2 = nullptr;
    QLabel* lblHint = nullptr;
    QFrame* Picture4 = nullptr;
    QLabel* lblCount = nullptr;
    QFrame* Picture1 = nullptr;
    QLabel* lblSelected = nullptr;
    QLabel* lblIsPlaying = nullptr;
    QString songPlaying; // the song last handed to the player
    QTimer* Timer1 = nullptr;
    std::array<QFrame*, 14> Line1{};
    FileDialogRequest dlgCD;           // the common dialog's settings, kept between uses
    PlaylistModel* playlist = nullptr; // the entries that lstSelected shows

    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* blank1 = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuConfig = nullptr;
    QAction* dash3 = nullptr;
    QAction* mnuExplorer = nullptr;
    QAction* mnuFindSongs = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuHints = nullptr;

    QPixmap carryCursor; // a hand holding a sheet
    QPixmap dropCursor;  // an open hand letting the sheet fall

    // ---- start-up and shutdown (app/) ----
    void Form_Load();
    void Form_Unload();
    void mnuExit_Click();
    void mnuConfig_Click();

    // ---- playlist file commands (playlist/) ----
    void cmdNew_Click();
    void cmdOpen_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void mnuNew_Click() { cmdNew_Click(); }
    void mnuOpen_Click() { cmdOpen_Click(); }
    void mnuSave_Click() { cmdSave_Click(); }
    void mnuSaveAs_Click();
    // Tools, Find missing songs...: looks for the playlist's missing songs in a folder the user
    // picks and puts the ones found in place of the old entries, unsaved.
    void mnuFindSongs_Click();
    // Opens the playlist named on the command line as Open would: read as what it is, the same
    // message when it cannot be read. A relative path is from the current folder.
    void openGivenPlaylist(const QString& path);
    // Before the playlist is closed or replaced: when it changed since it was read or saved, asks
    // whether to save it first. False when the user cancelled, or the save did not happen.
    bool askToSaveChanges();

    // ---- header report and tag editing (mp3/) ----
    void ShowHeader();
    void File1_DblClick();
    void File1_RightButtonDown();
    void lstSelected_RightButtonDown();

    // ---- playing (launch/) ----
    void imgPlay1_DragOver(QWidget* Source);
    void imgPlay1_DragDrop(QWidget* Source);
    void imPlayAll_DragOver(QWidget* Source);
    void imPlayAll_DragDrop(QWidget* Source);
    void imPlayAll_Click();
    void mnuExplorer_Click();

    // ---- information windows (infowindows/) ----
    void mnuAbout_Click();
    void mnuHints_Click();

    // ---- browsing, selection memory, moving songs, editing, hints (mainwindow/) ----
    void Drive1_Change();
    void Dir1_Change();
    void File1_PathChange();
    void cmdClearFile_Click();
    void cmdClearSel_Click();

    void SavePkF();
    void SavePkS();
    void SetPkF();
    void SetPkS();
    bool IsSel(const QString& w, qint64 el) const;

    // Shift holds the keys held with the press: 1 Shift, 2 Ctrl, 4 Alt.
    void File1_MouseDown(int Button, int Shift = 0);
    void File1_MouseUp(int Button);
    void lstSelected_MouseDown(int Button, int Shift = 0);
    void lstSelected_MouseUp(int Button);
    void File1_DragOver(QWidget* Source);
    void File1_DragDrop(QWidget* Source);
    void lstSelected_DragOver(QWidget* Source);
    void lstSelected_DragDrop(QWidget* Source);
    Qt::DropAction lstSelected_OLEDragOver(const QMimeData* data, Qt::DropAction proposed);
    void lstSelected_OLEDragDrop(const QMimeData* data);
    void cmdClear_DragOver(QWidget* Source);
    void cmdClear_DragDrop(QWidget* Source);
    void fraFiller_DragOver(QWidget* Source);
    void fraSelected_DragOver(QWidget* Source);
    void Label1_DragOver(int Index, QWidget* Source);
    // Keys in the lists: Enter in the file list drops its selection on the playlist, Delete in
    // the playlist drops the playlist's selection on the bin. True when the key was used.
    bool File1_KeyDown(int KeyCode);
    bool lstSelected_KeyDown(int KeyCode);
    // Ending a drag: the source gets the carry cursor back and returns to normal mode.
    void EndDrag(QWidget* Source);

    // The full path of the file list's current song; empty when it has none.
    QString currentFileListSong() const;
    // The full path of the playlist's entry at row. An entry without a folder names a song in
    // the folder the file list shows; a stream is its address.
    QString playlistSong(int row) const;
    // Marks the playlist's entries from row fromRow on whose songs are not there (looked for as
    // playlistSong does).
    void markMissingSongs(int fromRow = 0);
    // The cursor a source list shows while it is dragged: the drop cursor or the carry cursor.
    void setDragCursor(QWidget* source, bool drop);
    bool showsDropCursor(const QWidget* source) const;
    // Drag mode: a list is in it from the press that begins a drag until the drag ends.
    void setDragMode(QWidget* list, bool dragging);
    bool isInDragMode(const QWidget* list) const;

    void cmdUp_Click();
    void cmdDn_Click();
    void cmdClear_Click();

    void Timer1_Timer();

    // Pointer movements feed the hint bar.
    void Form_MouseMove();
    void cmdNew_MouseMove();
    void cmdOpen_MouseMove();
    void cmdSave_MouseMove();
    void cmdDelete_MouseMove();
    void cmdClear_MouseMove();
    void cmdUp_MouseMove();
    void cmdDn_MouseMove();
    void Dir1_MouseMove();
    void File1_MouseMove();
    void lstSelected_MouseMove();
    void fraAvail_MouseMove();
    void fraSelected_MouseMove();
    void fraMenu_MouseMove();
    void fraFiller_MouseMove();
    void fraInfo_MouseMove();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void installEventRouting(); // mouse, drag and hint events (mainwindow/EventRouting.cpp)

    QVector<bool> PkF; // selection memory of File1
    QVector<bool> PkS; // selection memory of lstSelected
};
