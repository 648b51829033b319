#include "core/platform/SharedState.h"
#include "core/platform/Translations.h"
#include "gui/mainwindow/CenterForm.h"
#include "gui/mainwindow/SvgPicture.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/platform/DesktopShell.h"
#include "gui/platform/QtFileDialogs.h"
#include "gui/platform/QtPrompter.h"
#include "gui/platform/SystemRegistry.h"

#include <QApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Velmora"_s);
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // Lets a Wayland compositor match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    // Before any window: the captions are translated as the windows are built.
    loadTranslations(app, QLocale(), translationFolders());

    QtPrompter prompter;
    QtFileDialogs dialogs;
    DesktopShell shell;
    SystemRegistry registry;
    SharedState& s = shared();
    s.prompter = &prompter;
    s.fileDialogs = &dialogs;
    s.shell = &shell;
    s.registry = &registry;

    frmMain window; // registers the pictures, too
    QApplication::setWindowIcon(svgIcon(u":/icons/velmora.svg"_s));
    window.Form_Load();
    window.show();
    CenterForm(window);
    // "Open with" from a file manager: the playlist, after the window, so that a message about
    // it shows over the window.
    if (const QStringList args = QApplication::arguments(); args.size() > 1)
        window.openGivenPlaylist(args[1]);
    return QApplication::exec();
}
