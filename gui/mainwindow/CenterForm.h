#pragma once

class QWidget;

// Centres a window on the available area of its screen (the screen less its panels). A window
// larger than that area is placed at its top left corner, never partly off the screen.
void CenterForm(QWidget& window);
