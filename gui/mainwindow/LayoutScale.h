#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// The windows are laid out in twips, measured for an 8-point interface font at 96 dots per
// inch. Instead of shrinking the desktop's font to that layout, each window grows its layout by
// one factor taken from its own font, so that every text keeps the size the user chose.

// Puts control at place (pixels at scale 1, as twipsRect gives them) and remembers it, so that
// scaleLayout can grow it.
void setPlace(QWidget& control, QRect place);
// Gives window a fixed client size (pixels at scale 1) and remembers it for scaleLayout.
void setClientArea(QWidget& window, QSize size);
// The SVG picture that label shows, filling its place at whatever size the layout gives it.
void setPicture(QLabel& label, const QString& svgFile);
// The SVG picture that button shows as its icon, iconSize (pixels at scale 1) grown likewise.
void setPicture(QAbstractButton& button, const QString& svgFile, QSize iconSize);

// How much larger font is than the 8-point reference, by its average letter width and its line
// height; never below 1.
[[nodiscard]] double fontScale(const QFont& font);

// Grows every remembered place and client area below window (window included) by one factor,
// the smallest from fontScale(window.font()) up at which every text fits its control, and draws
// the pictures at their new size. The factor is capped so that the window, frame and menu bar
// included, fits the available area of its screen. Returns the factor.
double scaleLayout(QWidget& window);
// The factor scaleLayout chose for the window of control (control itself when it is one); 1
// before it ran.
[[nodiscard]] double layoutScale(const QWidget& control);

// A font the layout names for one control (family and size in the 8-point design), grown with
// the desktop's font: at a 10-point desktop font an 8.25-point design font becomes 10.3 points.
[[nodiscard]] QFont designFont(const QString& family, double designPoints);
