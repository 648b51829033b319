#include "gui/mainwindow/SvgPicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace {
QByteArray inked(const QString& file, const QColor& ink) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray colour = '"' + ink.name().toLatin1() + '"';
    return f.readAll().replace("\"#000\"", colour).replace("\"#444\"", colour);
}
} // namespace

QPixmap svgPixmap(const QString& file, QSize size, qreal dpr, const QColor& ink) {
    QSvgRenderer renderer;
    if (ink.isValid())
        renderer.load(inked(file, ink));
    else
        renderer.load(file);
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
