#include "playlist/PlaylistDialog.h"

#include "playlist/PlaylistFormat.h"

void setDialogForStyle(FileDialogRequest& dialog, int style) {
    if (formatForStyle(style) == PlaylistFormat::Pls) {
        dialog.filter = u"Playlists (*.pls)|*.pls"_qs;
        dialog.defaultExt = u".pls"_qs;
    } else {
        dialog.filter = u"Playlists (*.m3u)|*.m3u"_qs;
        dialog.defaultExt = u".m3u"_qs;
    }
}
