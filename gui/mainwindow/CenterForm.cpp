#include "gui/mainwindow/CenterForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CenterForm(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    const double top = (area.height() - size.height()) / 2.0;
    const double left = (area.width() - size.width()) / 2.0;
    // Never off the screen: a window that could not be centred whole keeps its title bar and
    // its left edge in view, where it can be grabbed and moved.
    window.move(area.left() + std::max(0, static_cast<int>(left)),
                area.top() + std::max(0, static_cast<int>(top)));
}
