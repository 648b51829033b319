#pragma once

#include <QColor>
#include <QPalette>
#include <functional>

class QWidget;

// The program's own colours were chosen for a light window. On a dark theme (the window darker
// than its text, as Breeze Dark or a dark GNOME theme sets it) each gives way to one that reads
// as well there; on a light theme every colour stays exactly as it was.

// Whether palette is dark: its window colour darker than its text.
[[nodiscard]] bool isDark(const QPalette& palette);
// The contrast of two colours, from 1 (the same) to 21 (black on white), measured from their
// relative luminance as the Web Content Accessibility Guidelines do.
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

// The frame captions' dark red; on a dark palette a lighter red that stands at least 4.5:1
// against the window.
[[nodiscard]] QColor captionColour(const QPalette& palette);
// A link's blue; on a dark palette the palette's own link colour.
[[nodiscard]] QColor linkColour(const QPalette& palette);
// What the black ink of a picture is drawn in: on a dark palette the text colour of role
// (WindowText on the window, ButtonText on a button); invalid, leaving the picture as it is
// drawn, on a light one.
[[nodiscard]] QColor pictureInk(const QPalette& palette, QPalette::ColorRole role);

// The palette that decides control's colours: its window's, which no colour given to a control
// (a style sheet keeps the palette it was set with) changes.
[[nodiscard]] QPalette themePalette(const QWidget& control);
// Calls paint on control now, and again after each change of the application's palette (the
// desktop switched between a light and a dark theme while the program runs). control must
// already stand in its window.
void followPalette(QWidget& control, const std::function<void(QWidget&)>& paint);
