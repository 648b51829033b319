#include "core/settings/Settings.h"

#include "core/text/LeadingNumber.h"

using namespace Qt::StringLiterals;

QString Settings::read(const QString& section, const QString& key, const QString& fallback) const {
    store_.Section(section);
    store_.Setting(key);
    store_.Default(fallback);
    store_.GetFromIni();
    return store_.Value();
}

bool Settings::write(const QString& section, const QString& key, const QString& value,
                     QString* reason) {
    store_.Section(section);
    store_.Setting(key);
    store_.Value(value);
    store_.WriToIni();
    if (store_.ResCode() == u"1")
        return true;
    if (reason)
        *reason = store_.IniPath() + u":\n"_s + store_.ErrorText();
    return false;
}

PlaylistFormat Settings::style() const {
    return roundHalfEven(leadingNumber(read(u"Options"_s, u"Style"_s, u"0"_s))) == 1
               ? PlaylistFormat::Pls
               : PlaylistFormat::M3u;
}

bool Settings::remember() const {
    return read(u"Options"_s, u"Remember"_s, u"1"_s) == u"1";
}

QString Settings::lastFolder() const {
    return read(u"Options"_s, u"Last"_s, u"1"_s);
}

PathMode Settings::pathMode() const {
    return pathModeFromText(read(u"Paths"_s, u"UsePaths"_s, u"2"_s));
}

bool Settings::saveOptions(bool remember, PlaylistFormat style, PathMode mode, QString* reason) {
    return write(u"Options"_s, u"Remember"_s, remember ? u"1"_s : u"0"_s, reason) &&
           write(u"Options"_s, u"Style"_s, style == PlaylistFormat::Pls ? u"1"_s : u"0"_s,
                 reason) &&
           write(u"Paths"_s, u"UsePaths"_s, QString::number(int(mode)), reason);
}

void Settings::saveLastFolder(const QString& folder) {
    // Not told at shutdown: the window is gone, and the next start opens another folder.
    (void)write(u"Options"_s, u"Last"_s, folder);
}
