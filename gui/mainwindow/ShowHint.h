#pragma once

class QString;

// Shows the hint for text (see hintText) in the label "lblHint" of the window that is active
// now, writing only when it changes. A window without such a label, or no active window at all,
// shows nothing and reports nothing. Usable from any window.
void ShowHint(const QString& text);
