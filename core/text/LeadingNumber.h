#pragma once

#include <QString>

// The number a text begins with, as the old BASIC Val() reads it: leading blanks skipped, an
// optional sign, digits and one decimal point; text that does not begin with a number gives 0.
double leadingNumber(const QString& text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);
