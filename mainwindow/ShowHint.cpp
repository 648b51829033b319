#include "mainwindow/ShowHint.h"

#include "mainwindow/HintText.h"

#include <QApplication>
#include <QLabel>

void ShowHint(const QString& text) {
    const QString hint = hintText(text);
    QWidget* window = QApplication::activeWindow();
    if (!window)
        return;
    auto* label = window->findChild<QLabel*>(u"lblHint"_qs);
    if (label && label->text() != hint)
        label->setText(hint);
}
