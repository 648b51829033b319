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

int DesktopShell::open(const QString& file, const QString&, const QString&, int) {
    QUrl url = QUrl(file, QUrl::StrictMode);
    if (url.scheme().size() < 2) { // a plain path (or a drive letter on Windows)
        if (!QFileInfo::exists(file))
            return kShellFileNotFound;
        url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    }
    return QDesktopServices::openUrl(url) ? 42 : kShellNoAssociation;
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
        const QString program = exe ? QString::fromLocal8Bit(exe) : QString();
        const QString full =
            QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
        if (!full.isEmpty()) {
            answer.result = 42;
            answer.program = full + u" \""_qs + path + u'"';
        }
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
    return QProcess::startDetached(program, words);
}
