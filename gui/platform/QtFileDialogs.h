#pragma once

#include "core/platform/FileDialogs.h"

class QtFileDialogs : public FileDialogs {
public:
    QString getOpenFileName(const FileDialogRequest& request) override;
    QString getSaveFileName(const FileDialogRequest& request) override;
    QString getExistingFolder(const FileDialogRequest& request) override;
};

// "Playlists (*.m3u)|*.m3u" -> "Playlists (*.m3u)" entries for QFileDialog.
QStringList qtNameFilters(const QString& pipeFilter);
