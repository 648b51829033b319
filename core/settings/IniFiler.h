#pragma once

#include <QString>

// The settings store: a small parameter block. Set Section, Setting and Default (or Value),
// then call GetFromIni (or WriToIni); a read leaves its result in Value.
class IniFiler {
public:
    // An empty path means the usual place: velmora.ini in the user's configuration folder, or
    // the settings file beside the executable where one already exists (a portable copy). None
    // is ever made beside the executable.
    explicit IniFiler(QString fixedPath = {});

    void GetFromIni();
    void WriToIni();
    QString ResCode() const { return ResCode_; }
    // Why the last WriToIni wrote nothing ("0"); empty after a write that worked.
    QString ErrorText() const { return ErrorText_; }
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

    QString Section_, Setting_, Value_, Default_, ResCode_, IniPath_, ErrorText_;
    QString fixedPath_;
};
