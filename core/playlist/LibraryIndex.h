#pragma once

#include "core/playlist/PathStyle.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <unordered_map>
#include <vector>

// The .mp3 files under some folders, found by name. Built once by walking the folders: only
// names are read, no song is opened, so a library of a hundred thousand songs takes about as
// long as listing it.
class LibraryIndex {
public:
    explicit LibraryIndex(const PathStyle& style = PathStyle::native()) : style_(style) {}

    // Adds the files under folder and all its subfolders whose names end in ".mp3" in any case
    // (as the file list shows them). Links to songs count as songs; links to folders are not
    // followed, so that a link back up the tree cannot make the walk endless. Subfolders that
    // cannot be read are passed over. False when folder itself cannot be read.
    [[nodiscard]] bool addFolder(const QString& folder);

    qsizetype size() const { return qsizetype(files_.size()); }
    // The full paths of the files called name (compared as the path style compares names), in the
    // order of their paths.
    QStringList find(const QString& name) const;

private:
    struct File {
        int folder; // in folders_
        int next;   // the file found before with the same name; -1 for none
        QString name;
    };
    struct Hash {
        size_t operator()(const QString& text) const {
            return std::hash<std::u16string_view>()(
                std::u16string_view(QStringView(text).utf16(), size_t(text.size())));
        }
    };
    void addFile(int folder, QString name);
    int addFolderPath(QString path);
    bool walk(const QString& root);

    PathStyle style_;
    QStringList folders_;
    std::vector<File> files_;
    std::unordered_map<QString, int, Hash> latest_; // folded name -> its last file in files_
};
