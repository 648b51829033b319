#pragma once

#include "support/WindowFixture.h"

#include <QStringList>
#include <functional>

class frmID;
class frmMain;

// For tests of the tag window: a genres.txt beside the program (Blues 0, Rock 17, Jazz 8), and
// tag windows that, instead of waiting for a person, are recorded and handed to onOpen (by
// default: closed with Exit).
class TagWindowFixture : public WindowFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the song into the folder "music" and makes it the file list's current item.
    QString pick(frmMain& w, const QString& name, const QByteArray& bytes);
    // Reads the song's tag into a tag window, runs change, saves the title "Mine"; returns the
    // message box shown last.
    QString saveTitle(const QString& song, const std::function<void()>& change = {});

    QStringList opened; // the title each window showed, " (view)" added when it could not save
    std::function<void(frmID&)> onOpen;
};
