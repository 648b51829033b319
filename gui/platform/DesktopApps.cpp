#include "gui/platform/DesktopApps.h"

#include "core/platform/Shell.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T> using GRef = std::unique_ptr<T, Unref>;
struct Free {
    void operator()(gpointer block) const { g_free(block); }
};
using GText = std::unique_ptr<gchar, Free>;
struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};

// The type a file manager goes by: the name's type when the name settles it (an empty
// playlist is still a playlist), otherwise what the first bytes say.
QByteArray contentTypeOf(const QString& path, GFile* file) {
    if (QFileInfo(path).isDir())
        return "inode/directory";
    gboolean uncertain = FALSE;
    const GText byName(
        g_content_type_guess(QFile::encodeName(path).constData(), nullptr, 0, &uncertain));
    if (!uncertain)
        return byName.get();
    const GRef<GFileInfo> info(g_file_query_info(file, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                                 G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    const char* sniffed = info ? g_file_info_get_content_type(info.get()) : nullptr;
    return sniffed ? QByteArray(sniffed) : QByteArray(byName.get());
}

// What a failed launch means in the open action's numbers.
int failureCode(const GError& error) {
    if ((error.domain == G_SPAWN_ERROR && error.code == G_SPAWN_ERROR_NOENT) ||
        (error.domain == G_IO_ERROR && error.code == G_IO_ERROR_NOT_FOUND))
        return kShellFileNotFound;
    if (error.domain == G_SPAWN_ERROR &&
        (error.code == G_SPAWN_ERROR_ACCES || error.code == G_SPAWN_ERROR_PERM))
        return kShellAccessDenied;
    return kShellAssociationIncomplete;
}

// Starts app with the files; the outcome as the open action's number. No launch context:
// the application inherits this program's display and environment.
int launch(GAppInfo* app, const std::vector<GRef<GFile>>& files) {
    if (!app)
        return kShellNoAssociation;
    GList* list = nullptr;
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        list = g_list_prepend(list, it->get());
    GError* raw = nullptr;
    const bool started = g_app_info_launch(app, list, nullptr, &raw);
    g_list_free(list);
    const std::unique_ptr<GError, ErrorFree> error(raw);
    if (started)
        return kShellStarted;
    return error ? failureCode(*error) : kShellAssociationIncomplete;
}

std::vector<GRef<GFile>> oneFile(GFile* file) {
    std::vector<GRef<GFile>> files;
    files.emplace_back(file);
    return files;
}
} // namespace

int openFileWithDefaultApplication(const QString& path) {
    GFile* file = g_file_new_for_path(QFile::encodeName(path).constData());
    const auto files = oneFile(file);
    const GRef<GAppInfo> app(
        g_app_info_get_default_for_type(contentTypeOf(path, file).constData(), FALSE));
    return launch(app.get(), files);
}

int openAddressWithDefaultApplication(const QUrl& address) {
    if (address.isLocalFile())
        return openFileWithDefaultApplication(address.toLocalFile());
    const auto files = oneFile(g_file_new_for_uri(address.toEncoded().constData()));
    const GRef<GAppInfo> app(
        g_app_info_get_default_for_uri_scheme(address.scheme().toUtf8().constData()));
    return launch(app.get(), files);
}

QString defaultApplicationEntry(const QString& path) {
    const GRef<GFile> file(g_file_new_for_path(QFile::encodeName(path).constData()));
    const GRef<GAppInfo> app(
        g_app_info_get_default_for_type(contentTypeOf(path, file.get()).constData(), FALSE));
    if (!app || !G_IS_DESKTOP_APP_INFO(app.get()))
        return {};
    const char* entry = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(app.get()));
    return entry ? QFile::decodeName(entry) : QString();
}

bool isDesktopEntryFile(const QString& path) {
    const QFileInfo info(path);
    return info.isAbsolute() && path.endsWith(u".desktop"_s) && info.isFile();
}

bool launchDesktopEntry(const QString& entryFile, const QStringList& files) {
    const GRef<GDesktopAppInfo> app(
        g_desktop_app_info_new_from_filename(QFile::encodeName(entryFile).constData()));
    if (!app)
        return false;
    std::vector<GRef<GFile>> arguments;
    for (const QString& file : files)
        arguments.emplace_back(g_file_new_for_commandline_arg(QFile::encodeName(file).constData()));
    return shellSucceeded(launch(G_APP_INFO(app.get()), arguments));
}
