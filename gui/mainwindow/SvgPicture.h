#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// Draws the SVG picture in file at size (device-independent pixels) with dpr device pixels to
// each, so that it stays sharp on a screen scaled to 150 % or 200 %. A valid ink replaces the
// picture's black and near-black (#000, #444), so that it shows on a dark window. A null pixmap
// when the file cannot be read.
QPixmap svgPixmap(const QString& file, QSize size, qreal dpr, const QColor& ink = {});

// The picture in file as an icon, drawn at the usual icon sizes for the primary screen.
QIcon svgIcon(const QString& file);
