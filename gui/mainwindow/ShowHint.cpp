#include "gui/mainwindow/ShowHint.h"

#include "core/info/HintText.h"

#include <QApplication>
#include <QLabel>

using namespace Qt::StringLiterals;

void ShowHint(const QString& text) {
    const QString hint = hintText(text);
    QWidget* window = QApplication::activeWindow();
    if (!window)
        return;
    auto* label = window->findChild<QLabel*>(u"lblHint"_s);
    if (label && label->text() != hint)
        label->setText(hint);
}
