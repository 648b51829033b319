#include "cli/Commands.h"
#include "core/platform/Translations.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {
const char* const kUsage = QT_TRANSLATE_NOOP(
    "velmora-cli",
    "Usage: velmora-cli COMMAND [OPTIONS] ARGS...\n"
    "\n"
    "Commands:\n"
    "  header [--json] FILE...            the MPEG audio frame header of each song\n"
    "  tag [--json] FILE...               the ID3v1 tag of each song\n"
    "  tag FILE --set FIELD=VALUE...      write the ID3v1 tag of a song\n"
    "  playlist show [--json] FILE        the entries of a playlist\n"
    "  playlist write OUT SONG...         write a playlist of songs ('-' reads paths from stdin)\n"
    "  playlist convert IN OUT            read one playlist and write another\n"
    "  playlist check [--json] LIST...    the entries of playlists whose songs are missing\n"
    "  playlist relink LIST... --in DIR   find missing songs again in folders, rewrite lists\n"
    "\n"
    "Options:\n"
    "  --help       help for a command (velmora-cli COMMAND --help)\n"
    "  --version    the program's version\n"
    "\n"
    "Exit status: 0 when every file was handled, 1 when any file failed, 2 for a usage error.\n");
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"velmora-cli"_s);
    loadTranslations(app, QLocale(), translationFolders());
    QList<Arg> args = rawArguments(argc, argv);
    if (args.isEmpty())
        return usageError({}, QCoreApplication::translate("velmora-cli", "a command is needed."));
    const QString command = args.takeFirst().text;
    if (command == u"--help" || command == u"-h" || command == u"help") {
        out(QCoreApplication::translate("velmora-cli", kUsage));
        return kExitOk;
    }
    if (command == u"--version") {
        out(u"velmora-cli "_s + QStringLiteral(VELMORA_VERSION) + u'\n');
        return kExitOk;
    }
    if (command == u"header")
        return headerCommand(args);
    if (command == u"tag")
        return tagCommand(args);
    if (command == u"playlist")
        return playlistCommand(args);
    return usageError({}, QCoreApplication::translate("velmora-cli", "unknown command '") +
                              command + u"'."_s);
}
