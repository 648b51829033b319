#include "support/SongsWindowFixture.h"

#include "mainwindow/DirList.h"
#include "mainwindow/frmMain.h"
#include "playlist/Entry.h"

#include <QApplication>
#include <QListWidget>

using namespace Qt::StringLiterals;

void SongsWindowFixture::SetUp() {
    WindowFixture::SetUp();
    music = makeFolder(u"Music"_s);
    w = std::make_unique<frmMain>();
    w->show();
    QApplication::setActiveWindow(w.get());
}

void SongsWindowFixture::TearDown() {
    w.reset();
    WindowFixture::TearDown();
}

void SongsWindowFixture::showSongs(const QStringList& names) {
    for (const QString& name : names)
        writeFile(u"Music/"_s + name, "");
    w->Dir1->setPath(music);
}

QStringList SongsWindowFixture::playlist() const {
    QStringList texts;
    for (int i = 0; i < w->lstSelected->count(); ++i)
        texts << w->lstSelected->item(i)->text();
    return texts;
}

QList<int> SongsWindowFixture::selectedRows(const QListWidget& list) {
    QList<int> rows;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            rows << i;
    return rows;
}

void SongsWindowFixture::select(QListWidget& list, const QList<int>& rows) {
    list.clearSelection();
    for (int row : rows)
        list.item(row)->setSelected(true);
    if (!rows.isEmpty())
        list.setCurrentRow(rows.first(), QItemSelectionModel::NoUpdate);
}

void SongsWindowFixture::click(QListWidget& list, int row) {
    list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

QString SongsWindowFixture::entryOf(const QString& name) const {
    return entryFromFolderAndName(music, name).text();
}
