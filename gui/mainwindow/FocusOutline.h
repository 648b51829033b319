#pragma once

#include <Qt>

class QWidget;

// Draws an outline in the widget's text colour, inset pixels inside its edge, while it has the
// keyboard focus: the styles mark the focus faintly or only after Tab, and not at all on the
// black lists or on a picture.
void outlineFocus(QWidget& widget, int inset, Qt::PenStyle line = Qt::DotLine);
