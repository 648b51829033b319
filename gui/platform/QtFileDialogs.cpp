#include "gui/platform/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

using namespace Qt::StringLiterals;

QStringList qtNameFilters(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + (parts[i].contains(parts[i + 1]) ? QString()
                                                               : u" ("_s + parts[i + 1] + u')');
    return filters;
}

namespace {
QString runDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialDir);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(qtNameFilters(request.filter));
    QString ext = request.defaultExt;
    if (ext.startsWith(u'.'))
        ext.remove(0, 1);
    dialog.setDefaultSuffix(ext);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    // The save dialog asks before replacing an existing file (Qt's default), and No
    // returns to the dialog.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString QtFileDialogs::getOpenFileName(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptOpen);
}

QString QtFileDialogs::getSaveFileName(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptSave);
}

QString QtFileDialogs::getExistingFolder(const FileDialogRequest& request) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), request.title,
                                             request.initialDir);
}
