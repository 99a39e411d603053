#pragma once

// The stylised molar shared by the program icon and the splash picture.

#include <QPainterPath>
#include <QRectF>

class QPainter;

// Outline of a two-rooted molar filling `box` (crown at the top).
QPainterPath ToothOutline(const QRectF& box);

// The tooth filled in enamel white with a soft shade and a dark outline whose
// width is `outline` pixels.
void PaintTooth(QPainter& painter, const QRectF& box, qreal outline);
