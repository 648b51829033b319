#pragma once

#include <QString>

// What the hint bar shows for a text: the hint of a short code (CAL, CD, EXIT, SAVE, EDIT, DEL,
// CLR, ADD, in any case), the default hint for an empty text, otherwise the text as it is.
QString hintText(const QString& text);
// "Watch here for hints/instructions."
QString defaultHint();
