#pragma once

#include "core/playlist/PathMode.h"
#include "core/playlist/PlaylistFormat.h"
#include "core/settings/IniFiler.h"
#include "core/text/Result.h"

#include <QString>

// The program's settings as values: every key of the settings file is read and understood here
// and nowhere else. Nothing is cached, so a change made by the Options dialog is seen by the
// next read.
class Settings {
public:
    explicit Settings(IniFiler& store) : store_(store) {}

    // Options/Style: PLS when its leading number rounds to 1, otherwise M3U.
    [[nodiscard]] PlaylistFormat style() const;
    // Options/Remember: only the exact text "1", the default, remembers the last folder; "01",
    // "yes" or "2" do not (the start-up, the shutdown and the Options dialog all agree).
    [[nodiscard]] bool remember() const;
    // Options/Last: the folder shown at the last exit. Without the key the text is "1" (the
    // Remember default), which names no folder.
    [[nodiscard]] QString lastFolder() const;
    // Paths/UsePaths, default "Let computer decide".
    [[nodiscard]] PathMode pathMode() const;

    // What the Options dialog saves: Remember, Style and UsePaths, written in that order. When
    // one cannot be written the rest are not tried; the reason names the file and says why.
    Result<> saveOptions(bool remember, PlaylistFormat style, PathMode mode);
    // Stores the folder shown at exit as Options/Last.
    void saveLastFolder(const QString& folder);

private:
    QString read(const QString& section, const QString& key, const QString& fallback) const;
    Result<> write(const QString& section, const QString& key, const QString& value);

    IniFiler& store_;
};
