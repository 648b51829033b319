#include "gui/mainwindow/SvgPicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QPixmap svgPixmap(const QString& file, QSize size, qreal dpr) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QPixmap pixmap(size * dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

QIcon svgIcon(const QString& file) {
    const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64})
        icon.addPixmap(svgPixmap(file, {side, side}, dpr));
    return icon;
}
