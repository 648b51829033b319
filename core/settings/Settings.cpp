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

Result<> Settings::write(const QString& section, const QString& key, const QString& value) {
    store_.Section(section);
    store_.Setting(key);
    store_.Value(value);
    store_.WriToIni();
    if (store_.ResCode() == u"1")
        return {};
    return fail(store_.IniPath() + u":\n"_s + store_.ErrorText());
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

Result<> Settings::saveOptions(bool remember, PlaylistFormat style, PathMode mode) {
    if (Result<> r = write(u"Options"_s, u"Remember"_s, remember ? u"1"_s : u"0"_s); !r)
        return r;
    if (Result<> r =
            write(u"Options"_s, u"Style"_s, style == PlaylistFormat::Pls ? u"1"_s : u"0"_s);
        !r)
        return r;
    return write(u"Paths"_s, u"UsePaths"_s, QString::number(int(mode)));
}

void Settings::saveLastFolder(const QString& folder) {
    // Not told at shutdown: the window is gone, and the next start opens another folder.
    (void)write(u"Options"_s, u"Last"_s, folder);
}
