#include "gui/mainwindow/CenterForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CenterForm(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window.frameGeometry().size();
    const double top = (area.height() - size.height()) / 2.0;
    const double left = (area.width() - size.width()) / 2.0;
    window.move(area.left() + static_cast<int>(left), area.top() + static_cast<int>(top));
}
