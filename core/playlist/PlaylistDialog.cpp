#include "core/playlist/PlaylistDialog.h"

#include "core/playlist/PlaylistFormat.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

void setDialogForStyle(FileDialogRequest& dialog, PlaylistFormat style) {
    if (style == PlaylistFormat::Pls) {
        dialog.filter = QCoreApplication::translate("PlaylistDialog", "Playlists (*.pls)|*.pls");
        dialog.defaultExt = u".pls"_s;
    } else {
        dialog.filter = QCoreApplication::translate("PlaylistDialog", "Playlists (*.m3u)|*.m3u");
        dialog.defaultExt = u".m3u"_s;
    }
}
