#pragma once

#include "core/text/Result.h"

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes, atomically: either the whole new content is there, or
// the old file is left as it was (a failed write never leaves a cut file behind). A symbolic
// link stays a link and its target is replaced; permissions are kept. Only where the folder
// allows no new file is an existing, writable file written in place instead, without that
// guarantee.
// On failure gives the system's reason.
Result<> replaceFileAtomically(const QString& path, const QByteArray& bytes);
