#pragma once

// Places a top-level window, frame included, in the middle of the available
// area of the screen it is on, or of the primary screen while it has none.
// Every dialog and the splash window open this way however the main window
// is placed.

class QWidget;

void CentreOnScreen(QWidget& window);
