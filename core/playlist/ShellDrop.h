#pragma once

#include <QStringList>
#include <Qt>
#include <optional>

class QMimeData;

// Files dragged from the desktop file manager arrive as a list of URLs (text/uri-list).

// The dropped files as paths, in the order given; std::nullopt when the data holds no list of
// files. An address that is not a local file stays in the list as an empty path, which names no
// song.
[[nodiscard]] std::optional<QStringList> droppedFiles(const QMimeData& data);
// True when the path ends in ".mp3", without regard to case.
[[nodiscard]] bool hasMp3Ending(const QString& path);
// The answer while files are dragged over the playlist: copy when the first file is an MP3,
// no drop otherwise (the later files are not looked at); data without files keeps the proposal.
Qt::DropAction shellDragAnswer(const QMimeData& data, Qt::DropAction proposed);
