#pragma once

#include "core/playlist/PathStyle.h"

#include <QString>
#include <QStringView>
#include <optional>

// Playlist lines that are addresses rather than paths. Media players on Linux write songs as
// file:// URIs, percent-encoded; internet radio lists hold http://, mms://, rtsp://... streams.

// True when the text starts with a URL scheme and "://" (file:// included). A scheme has at
// least two letters, so that a drive letter (c:\ or c://) is never taken for one.
[[nodiscard]] bool isAddress(QStringView text);

// The path a file:// URI names on this computer, percent-decoded as UTF-8, in the style's
// separators; nothing when the text is no such URI: another scheme, a host other than empty or
// "localhost", an empty path, or escapes that are not UTF-8.
[[nodiscard]] std::optional<QString> localPathOfFileUri(QStringView text, const PathStyle& style);
