#include "gui/mainwindow/DirList.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

DirList::DirList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(Qt::UserRole).toString()); });
}

bool DirList::setPath(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !QDir(folder).isReadable())
        return false;
    const QString clean = QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
    if (clean == path_)
        return true;
    path_ = clean;
    fill();
    Q_EMIT pathChanged();
    return true;
}

void DirList::fill() {
    clear();
    QStringList chain;
    QDir dir(path_);
    do {
        chain.prepend(dir.absolutePath());
    } while (dir.cdUp());
    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& folder : chain) {
        QString name = QDir(folder).dirName();
        if (name.isEmpty() || QDir(folder).isRoot())
            name = QDir::toNativeSeparators(folder);
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + name, this);
        item->setData(Qt::UserRole, QDir::toNativeSeparators(folder));
        current = item;
        ++depth;
    }
    QStringList subfolders;
    QDirIterator it(path_, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        subfolders << it.fileName();
    }
    subfolders.sort(Qt::CaseInsensitive);
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + name, this);
        item->setData(Qt::UserRole, QDir::toNativeSeparators(QDir(path_).filePath(name)));
    }
    if (current) {
        setCurrentItem(current);
        scrollToItem(current);
    }
}
