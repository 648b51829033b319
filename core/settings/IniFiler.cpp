#include "core/settings/IniFiler.h"

#include "core/settings/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

IniFiler::IniFiler(QString fixedPath) : fixedPath_(std::move(fixedPath)) {}

QString IniFiler::iniPathFor(const QString& programFolder, const QString& executableName) {
    const QChar sep = programFolder.contains(u'\\') ? u'\\' : u'/';
    QString name = executableName;
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0)
        name.truncate(dot);
    return programFolder + (programFolder.endsWith(sep) ? QString() : QString(sep)) + name +
           u".ini"_s;
}

void IniFiler::BuildIniPath() {
    if (!fixedPath_.isEmpty()) {
        IniPath_ = fixedPath_;
        return;
    }
    const QString beside =
        iniPathFor(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                   QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    if (QFileInfo::exists(beside)) {
        IniPath_ = beside;
        return;
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    IniPath_ = QDir(config).filePath(u"velmora.ini"_s);
}

void IniFiler::GetFromIni() {
    const QString section = Section_.trimmed();
    const QString key = Setting_.trimmed();
    const QString def = Default_.trimmed();
    if (section.isEmpty() || key.isEmpty() || def.isEmpty()) {
        ResCode_ = u"0"_s;
        return;
    }
    BuildIniPath();
    // Values are read whole: a long remembered folder must come back intact.
    const auto file = ProfileFile::load(IniPath_);
    Value_ = file ? file->value(section, key).value_or(def) : def;
    ResCode_ = QString::number(Value_.size());
}

void IniFiler::WriToIni() {
    const QString section = Section_.trimmed();
    const QString key = Setting_.trimmed();
    const QString value = Value_.trimmed();
    // A line break would end the line early and turn the rest into a line of its own, and one at
    // either end would be trimmed into another folder's name (a folder name on Linux may hold
    // one): such a value is not written at all.
    const auto breaksLine = [](const QString& t) { return t.contains(u'\n') || t.contains(u'\r'); };
    ErrorText_.clear();
    if (section.isEmpty() || key.isEmpty() || value.isEmpty() || breaksLine(Section_) ||
        breaksLine(Setting_) || breaksLine(Value_)) {
        ResCode_ = u"0"_s;
        ErrorText_ =
            QCoreApplication::translate("IniFiler", "The value cannot stand in a settings line.");
        return;
    }
    BuildIniPath();
    // A file that exists but cannot be read is never replaced: its other lines would be lost.
    Result<ProfileFile> file = ProfileFile::load(IniPath_);
    if (!file) {
        ResCode_ = u"0"_s;
        ErrorText_ = file.reason();
        return;
    }
    file->setValue(section, key, value);
    const Result<> saved = file->save(IniPath_);
    ResCode_ = saved ? u"1"_s : u"0"_s;
    ErrorText_ = saved.reason();
}
