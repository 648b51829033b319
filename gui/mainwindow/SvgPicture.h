#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// Draws the SVG picture in file at size (device-independent pixels) with dpr device pixels to
// each, so that it stays sharp on a screen scaled to 150 % or 200 %. A null pixmap when the
// file cannot be read.
QPixmap svgPixmap(const QString& file, QSize size, qreal dpr);

// The picture in file as an icon, drawn at the usual icon sizes for the primary screen.
QIcon svgIcon(const QString& file);
