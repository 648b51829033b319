#include "app/Settings.h"

#include "app/LeadingNumber.h"

using namespace Qt::StringLiterals;

QString Settings::read(const QString& section, const QString& key, const QString& fallback) const {
    store_.Section(section);
    store_.Setting(key);
    store_.Default(fallback);
    store_.GetFromIni();
    return store_.Value();
}

void Settings::write(const QString& section, const QString& key, const QString& value) {
    store_.Section(section);
    store_.Setting(key);
    store_.Value(value);
    store_.WriToIni();
}

qint16 Settings::style() const {
    return roundHalfEven(leadingNumber(read(u"Options"_s, u"Style"_s, u"0"_s))) == 1 ? 1 : 0;
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

void Settings::saveOptions(bool remember, qint16 style, PathMode mode) {
    write(u"Options"_s, u"Remember"_s, remember ? u"1"_s : u"0"_s);
    write(u"Options"_s, u"Style"_s, style == 1 ? u"1"_s : u"0"_s);
    write(u"Paths"_s, u"UsePaths"_s, QString::number(int(mode)));
}

void Settings::saveLastFolder(const QString& folder) {
    write(u"Options"_s, u"Last"_s, folder);
}
