#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_LINUX
#include <gio/gio.h>
#endif

namespace {
constexpr int kShellSuccess = 42;

// A path (absolute, or a drive letter on Windows) rather than an address such as https://...
bool isLocalPath(const QString& file) {
    if (QDir::isAbsolutePath(file))
        return true;
    return QUrl(file, QUrl::StrictMode).scheme().size() < 2;
}
} // namespace

int DesktopShell::open(const QString& file, const QString&, const QString&, int) {
    QUrl url;
    if (isLocalPath(file)) {
        if (!QFileInfo::exists(file))
            return kShellFileNotFound;
        url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    } else {
        url = QUrl(file, QUrl::StrictMode);
        if (!url.isValid())
            return kShellFileNotFound;
    }
    return QDesktopServices::openUrl(url) ? kShellSuccess : kShellNoAssociation;
}

ShellLookup DesktopShell::findExecutable(const QString& file, const QString& folder) {
    ShellLookup answer;
    QString path = file;
    if (QFileInfo(path).isRelative() && !folder.isEmpty())
        path = QDir(folder).filePath(file);
    if (!QFileInfo::exists(path)) {
        answer.result = kShellFileNotFound;
        return answer;
    }
#ifdef Q_OS_LINUX
    const QByteArray encoded = QFile::encodeName(path);
    gboolean uncertain = FALSE;
    gchar* type = g_content_type_guess(encoded.constData(), nullptr, 0, &uncertain);
    if (GAppInfo* app = type ? g_app_info_get_default_for_type(type, FALSE) : nullptr) {
        const char* exe = g_app_info_get_executable(app);
        const QString program = exe ? QFile::decodeName(exe) : QString();
        const QString full = program.isEmpty() || QFileInfo(program).isAbsolute()
                                 ? program
                                 : QStandardPaths::findExecutable(program);
        // A program the answer cannot name (no path, a double quote in it) counts as none.
        answer.program = lookupAnswerText(full, path);
        if (!answer.program.isEmpty())
            answer.result = kShellSuccess;
        g_object_unref(app);
    }
    g_free(type);
#endif
    return answer;
}

bool DesktopShell::startCommandLine(const QString& commandLine) {
    QStringList words = splitCommandLine(commandLine);
    if (words.isEmpty() || words.first().isEmpty())
        return false;
    const QString program = words.takeFirst();
    // Started directly, never through a shell: nothing in a path is ever read as a command.
    return QProcess::startDetached(program, words);
}
