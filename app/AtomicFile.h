#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes, atomically: either the whole new content is there, or
// the old file is left as it was (a failed write never leaves a cut file behind).
// On failure returns false and, when errorText is given, the system's reason.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes,
                           QString* errorText = nullptr);
