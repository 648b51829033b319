#include "support/TagWindowFixture.h"

#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "mp3/CurrentTag.h"
#include "mp3/frmID.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

void TagWindowFixture::SetUp() {
    WindowFixture::SetUp();
    writeFile(u"genres.txt"_s, "000 Blues\r\n017 Rock\r\n008 Jazz\r\n");
    frmID::setModalHook([this](frmID& window) {
        opened << window.txtID[0]->text() + (window.cmdSave->isEnabled() ? u""_s : u" (view)"_s);
        onOpen ? onOpen(window) : window.cmdExit->click();
    });
}

void TagWindowFixture::TearDown() {
    frmID::setModalHook({});
    WindowFixture::TearDown();
}

QString TagWindowFixture::saveTitle(const QString& song, const std::function<void()>& change) {
    TagFile = song;
    FillTag(TagFile);
    frmID window;
    window.Form_Load();
    if (change)
        change();
    window.txtID[0]->setText(u"Mine"_s);
    window.cmdSave_Click();
    return describe(prompter.last());
}

QString TagWindowFixture::pick(frmMain& w, const QString& name, const QByteArray& bytes) {
    const QString song = writeFile(u"music/"_s + name, bytes);
    w.File1->setPath(path(u"music"_s));
    w.File1->setCurrentItem(w.File1->findItems(name, Qt::MatchExactly).value(0));
    return song;
}
