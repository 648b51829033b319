#pragma once

class QWidget;

// The windows are laid out in fixed places for a small 8-point font; desktop fonts are often
// wider. Gives window a sans-serif font of at most 8 points, shrunk until the text of every
// label and button that uses it fits its control (no smaller than 6 points).
void FitFont(QWidget& window);
