#pragma once

#include <QString>
#include <QStringList>

class QUrl;

// The desktop's default applications, found and launched through GIO exactly as the desktop
// itself does: the whole desktop entry counts (its Exec arguments and field codes, Flatpak's
// file forwarding, D-Bus activation), and a failure is known when it happens.

// Opens an existing file or folder (absolute path) with the default application of its content
// type. Returns the open action's number: above 32 when the application was started.
int openFileWithDefaultApplication(const QString& path);
// Opens an address with the default handler of its scheme; same result.
int openAddressWithDefaultApplication(const QUrl& address);

// The file of the desktop entry that opens the file at path by default; empty when none does.
QString defaultApplicationEntry(const QString& path);
// True when path is an absolute path to a desktop entry file.
bool isDesktopEntryFile(const QString& path);
// Starts the application of that entry with the given files or addresses. False when the entry
// cannot be read or the start failed.
[[nodiscard]] bool launchDesktopEntry(const QString& entryFile, const QStringList& files);
