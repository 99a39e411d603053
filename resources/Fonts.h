#pragma once

// The program's two typefaces at exact pixel sizes: a Times-style serif for
// the texts of the windows and a plain sans for button captions. Each asks
// for the preferred face first and falls back to a metric-compatible one.

#include <QFont>

// "Times New Roman" where installed, otherwise "Liberation Serif".
QFont SerifFont(int pixelSize);

// A plain sans face ("Liberation Sans" or the platform's sans).
QFont SansFont(int pixelSize);
