#pragma once

class QWidget;

// Centres a window on its screen: top first, then left. A window larger than the screen gets a
// negative position, half of the overhang on each side.
void CenterForm(QWidget& window);
