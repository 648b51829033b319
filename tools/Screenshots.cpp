// Saves a picture of every window into a folder, as a person sees them: the main window, Options,
// About, Hints, the tag window and the header report. With a point size, the whole program uses
// a font of that size, as after a change of the desktop's font. Run it under an X server
// (scripts/screenshots starts one).
#include "core/mp3/CurrentTag.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PlaylistModel.h"
#include "gui/info/frmAbout.h"
#include "gui/info/frmHints.h"
#include "gui/info/frmOptions.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/platform/QtPrompter.h"
#include "gui/tags/frmID.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
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
    const QString file = QDir(outDir).filePath(name + suffix + u".png"_s);
    if (!window.grab().save(file)) {
        QTextStream(stderr) << "could not save " << file << '\n';
        failed = true;
    }
}

void shoot(QWidget& window, const QString& name) {
    window.show();
    save(window, name);
    window.hide();
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
        QTextStream(stderr) << "Usage: velmora-screenshots FOLDER [POINT-SIZE]\n";
        return 2;
    }
    outDir = args[1];
    QDir().mkpath(outDir);
    if (args.size() > 2) {
        QFont font = QApplication::font();
        font.setPointSizeF(args[2].toDouble());
        QApplication::setFont(font);
        suffix = u"-"_s + args[2] + u"pt"_s;
    }

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
    w.move(0, 0);
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
