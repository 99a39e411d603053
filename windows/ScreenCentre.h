#pragma once

// Places a top-level window, frame included, in the middle of the available
// area of the screen it is on. The ancillary windows open this way however
// the main window is placed.

class QWidget;

void CentreOnScreen(QWidget& window);
