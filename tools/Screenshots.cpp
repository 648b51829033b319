// Saves a picture of every window into a folder, as a person sees them: the main window, Options,
// About, Hints, the tag window and the header report. With --font POINTS the whole program uses
// a font of that size, as after a change of the desktop's font; with --dark it uses Fusion with
// the colours of KDE's Breeze Dark, as a dark desktop theme sets them. --suffix SUFFIX ends each
// picture's name. Each window's place on the screen is printed. Run it under an X server
// (scripts/screenshots starts one; QT_SCALE_FACTOR scales it).
#include "core/mp3/CurrentTag.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PlaylistModel.h"
#include "gui/info/frmAbout.h"
#include "gui/info/frmHints.h"
#include "gui/info/frmOptions.h"
#include "gui/mainwindow/CenterForm.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/LayoutScale.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/platform/QtPrompter.h"
#include "gui/tags/frmID.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
QString outDir;
QString suffix;
bool failed = false;

void settle() {
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
}

void save(QWidget& window, const QString& name) {
    settle();
    const QRect frame = window.frameGeometry();
    const QRect area = window.screen()->availableGeometry();
    QTextStream(stdout) << name << suffix << ": " << frame.width() << "x" << frame.height()
                        << " at " << frame.x() << "," << frame.y() << " on " << area.width() << "x"
                        << area.height() << " (scale " << window.devicePixelRatioF() << ", layout "
                        << layoutScale(window) << ")\n";
    const QString file = QDir(outDir).filePath(name + suffix + u".png"_s);
    if (!window.grab().save(file)) {
        QTextStream(stderr) << "could not save " << file << '\n';
        failed = true;
    }
}

void shoot(QWidget& window, const QString& name) {
    window.show();
    settle();
    CenterForm(window);
    save(window, name);
    window.hide();
}

// KDE's Breeze Dark, as the desktop hands it to a Qt program.
QPalette breezeDark() {
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, QColor colour, QColor disabled = {}) {
        p.setColor(role, colour);
        p.setColor(QPalette::Disabled, role, disabled.isValid() ? disabled : colour);
    };
    const QColor text(252, 252, 252), dimmed(110, 113, 117);
    set(QPalette::Window, QColor(32, 35, 38));
    set(QPalette::WindowText, text, dimmed);
    set(QPalette::Base, QColor(20, 22, 24));
    set(QPalette::AlternateBase, QColor(29, 31, 34));
    set(QPalette::Text, text, dimmed);
    set(QPalette::Button, QColor(41, 44, 48));
    set(QPalette::ButtonText, text, dimmed);
    set(QPalette::BrightText, Qt::white);
    set(QPalette::Light, QColor(64, 70, 76));
    set(QPalette::Midlight, QColor(50, 54, 58));
    set(QPalette::Mid, QColor(30, 33, 36));
    set(QPalette::Dark, QColor(20, 22, 24));
    set(QPalette::Shadow, Qt::black);
    set(QPalette::Highlight, QColor(61, 174, 233), QColor(41, 44, 48));
    set(QPalette::HighlightedText, text);
    set(QPalette::Link, QColor(29, 153, 243));
    set(QPalette::LinkVisited, QColor(155, 89, 182));
    set(QPalette::ToolTipBase, QColor(41, 44, 48));
    set(QPalette::ToolTipText, text);
    set(QPalette::PlaceholderText, QColor(161, 169, 177));
    return p;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        failed = true;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        QTextStream(stderr)
            << "Usage: velmora-screenshots FOLDER [--font POINTS] [--dark] [--suffix SUFFIX]\n";
        return 2;
    }
    outDir = args[1];
    QDir().mkpath(outDir);
    if (const qsizetype at = args.indexOf(u"--font"_s); at > 0 && at + 1 < args.size()) {
        QFont font = QApplication::font();
        font.setPointSizeF(args[at + 1].toDouble());
        QApplication::setFont(font);
    }
    if (args.contains(u"--dark"_s)) {
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
        QApplication::setPalette(breezeDark());
    }
    if (const qsizetype at = args.indexOf(u"--suffix"_s); at > 0 && at + 1 < args.size())
        suffix = u"-"_s + args[at + 1];

    // A song with a tag and a frame header, a genre list and settings that open its folder.
    QTemporaryDir tmp;
    const QString music = tmp.filePath(u"A folder with a rather long name/of music"_s);
    QDir().mkpath(music);
    const QString song = music + u"/Song.mp3"_s;
    QByteArray tag = "TAG" + QByteArray(125, '\0');
    tag.replace(3, 10, "Title here");
    tag[126] = 7;
    tag[127] = 1;
    write(song, QByteArray::fromHex("FFFB9064") + QByteArray(413, '\x55') +
                    QByteArray::fromHex("FFFB9064") + tag);
    write(tmp.filePath(u"genres.txt"_s), "000 Blues\r\n001 Classic Rock\r\n002 Country\r\n");
    write(tmp.filePath(u"velmora.ini"_s), "[Options]\r\nLast=" + music.toLocal8Bit() + "\r\n");

    QtPrompter prompter;
    SharedState& s = shared();
    s.prompter = &prompter;
    s.settingsPath = tmp.filePath(u"velmora.ini"_s);
    s.programFolderOverride = tmp.path();

    frmMain w;
    w.Form_Load();
    w.playlist->append({Entry{u"Song.mp3"_s, music}});
    w.lblName->setText(music + u"/Favourites of the whole year.m3u"_s);
    w.show();
    settle();
    CenterForm(w); // as the program places itself
    // Active, as on a desktop: the focus in the file list shows.
    QApplication::setActiveWindow(&w);
    w.Timer1_Timer(); // the counters, as after the first tick
    save(w, u"main"_s);

    frmOptions options(&w);
    shoot(options, u"options"_s);
    frmAbout about(&w);
    shoot(about, u"about"_s);
    frmHints hints(&w);
    shoot(hints, u"hints"_s);

    FillTag(song);
    TagFile = song;
    frmID tagWindow(&w);
    tagWindow.Form_Load();
    shoot(tagWindow, u"tag"_s);

    // The report is a modal box: picture it once it is up, then close it.
    QTimer::singleShot(300, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            save(*box, u"header"_s);
            box->close();
        } else {
            failed = true;
        }
    });
    w.File1->setCurrentRow(0);
    w.ShowHeader();
    return failed ? 1 : 0;
}
