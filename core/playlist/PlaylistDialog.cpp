#include "core/playlist/PlaylistDialog.h"

#include "core/playlist/PlaylistFormat.h"

using namespace Qt::StringLiterals;

void setDialogForStyle(FileDialogRequest& dialog, PlaylistFormat style) {
    if (style == PlaylistFormat::Pls) {
        dialog.filter = u"Playlists (*.pls)|*.pls"_s;
        dialog.defaultExt = u".pls"_s;
    } else {
        dialog.filter = u"Playlists (*.m3u)|*.m3u"_s;
        dialog.defaultExt = u".m3u"_s;
    }
}
