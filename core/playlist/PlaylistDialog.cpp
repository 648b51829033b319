#include "core/playlist/PlaylistDialog.h"

#include "core/playlist/PlaylistFormats.h"

void setDialogForStyle(FileDialogRequest& dialog, PlaylistFormat style) {
    const PlaylistFormatInfo& format = formatInfo(style);
    dialog.filter = format.filter;
    dialog.defaultExt = format.defaultExt();
}
