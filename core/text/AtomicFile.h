#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes, atomically: either the whole new content is there, or
// the old file is left as it was (a failed write never leaves a cut file behind). A symbolic
// link stays a link and its target is replaced; permissions are kept. Only where the folder
// allows no new file is an existing, writable file written in place instead, without that
// guarantee.
// On failure returns false and, when errorText is given, the system's reason.
[[nodiscard]] bool replaceFileAtomically(const QString& path, const QByteArray& bytes,
                                         QString* errorText = nullptr);
