#pragma once

#include <QString>

// The settings store: a small parameter block. Set Section, Setting and Default (or Value),
// then call GetFromIni (or WriToIni); a read leaves its result in Value.
class IniFiler {
public:
    // An empty path means the usual place: beside the executable when that folder is writable,
    // otherwise velmora.ini in the user's configuration folder.
    explicit IniFiler(QString fixedPath = {});

    void GetFromIni();
    void WriToIni();
    QString ResCode() const { return ResCode_; }
    void Default(const QString& vData) { Default_ = vData; }
    void Value(const QString& vData) { Value_ = vData; }
    QString Value() const { return Value_; }
    void Setting(const QString& vData) { Setting_ = vData; }
    void Section(const QString& vData) { Section_ = vData; }

    QString IniPath() const { return IniPath_; }

    // The settings file that belongs to an executable: its folder, one separator unless the
    // folder already ends in one (a root), its base name, ".ini".
    static QString iniPathFor(const QString& programFolder, const QString& executableName);

private:
    void BuildIniPath();

    QString Section_, Setting_, Value_, Default_, ResCode_, IniPath_;
    QString fixedPath_;
};
