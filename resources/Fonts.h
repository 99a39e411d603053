#pragma once

// The program's two typefaces: a Times-style serif for the texts of the
// windows and the printouts, and a plain sans for controls and button
// captions. Each asks for the preferred face first and falls back to a
// metric-compatible one, so texts keep their widths where the preferred face
// is missing.

#include <QFont>
#include <QString>

namespace Fonts {
inline const QString kSerifFace = QStringLiteral("Times New Roman");
inline const QString kSerifFallback = QStringLiteral("Liberation Serif");
inline const QString kSansFace = QStringLiteral("Liberation Sans");
inline const QString kSansFallback = QStringLiteral("DejaVu Sans");
} // namespace Fonts

// The serif face at an exact pixel size.
QFont SerifFont(int pixelSize);

// The sans face at an exact pixel size.
QFont SansFont(int pixelSize);
