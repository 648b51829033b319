#include "gui/platform/DesktopShell.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#ifdef VELMORA_GIO
#include "gui/platform/DesktopApps.h"
#else
#include <QDesktopServices>
#endif

namespace {
// A path (absolute, or a drive letter on Windows) rather than an address such as https://...
bool isLocalPath(const QString& file) {
    if (QDir::isAbsolutePath(file))
        return true;
    return QUrl(file, QUrl::StrictMode).scheme().size() < 2;
}

int openUrl(const QUrl& url) {
#ifdef VELMORA_GIO
    return openAddressWithDefaultApplication(url);
#else
    // Without GIO the answer only says that a handler was asked.
    return QDesktopServices::openUrl(url) ? kShellStarted : kShellNoAssociation;
#endif
}
} // namespace

// The working folder and show mode have no meaning for a desktop application.
int DesktopShell::open(const QString& file, const QString&, const QString&, int) {
    if (!isLocalPath(file)) {
        const QUrl url(file, QUrl::StrictMode);
        return url.isValid() ? openUrl(url) : kShellFileNotFound;
    }
    if (!QFileInfo::exists(file))
        return kShellFileNotFound;
    return openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

ShellLookup DesktopShell::findExecutable(const QString& file, const QString& folder) {
    ShellLookup answer;
    const QString path = QFileInfo(QDir(folder).filePath(file)).absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        answer.result = kShellFileNotFound;
        return answer;
    }
#ifdef VELMORA_GIO
    // An entry the answer cannot name (a double quote in its path) counts as none.
    answer.program = lookupAnswerText(defaultApplicationEntry(path), path);
    if (!answer.program.isEmpty())
        answer.result = kShellStarted;
#endif
    return answer;
}

bool DesktopShell::startCommandLine(const QString& commandLine) {
    QStringList words = splitCommandLine(commandLine);
    if (words.isEmpty() || words.first().isEmpty())
        return false;
    const QString program = words.takeFirst();
#ifdef VELMORA_GIO
    if (isDesktopEntryFile(program))
        return launchDesktopEntry(program, words);
#endif
    // Started directly, never through a shell: nothing in a path is ever read as a command.
    return QProcess::startDetached(program, words);
}
