#pragma once

#include <QString>

// The common open/save dialog. The filter uses the "Description|pattern" form, several pairs
// joined by "|", e.g. "Playlists (*.m3u)|*.m3u".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExt; // with the dot, e.g. ".m3u"
    QString initialDir;
    QString fileName;
    quint32 flags = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Both return the chosen path, or an empty string when the user cancelled.
    virtual QString getOpenFileName(const FileDialogRequest& request) = 0;
    // Asks before replacing an existing file.
    virtual QString getSaveFileName(const FileDialogRequest& request) = 0;
    // A folder that exists (title and initialDir are used); empty when cancelled.
    virtual QString getExistingFolder(const FileDialogRequest& request) = 0;
};
