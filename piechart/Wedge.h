#pragma once

// A pie wedge given the way a drawing surface with "bounding box and two
// radial points" semantics describes it. Shared by the screen chart and the
// printed chart, so it knows nothing about either.

#include <QPoint>

class QPainter;

// Draws with the painter's current pen and brush the part of the ellipse
// inscribed in the box (boxTopLeft to boxBottomRight) that lies
// counter-clockwise, as seen on screen with y growing downward, from the ray
// through `start` to the ray through `end`. Both rays leave the box's centre;
// the points only give directions and may lie far outside the box. The wedge
// is filled and outlined along the arc and both radii. When the two rays point
// the same way (in particular when the points coincide) the whole ellipse is
// drawn. An end ray clockwise of the start ray (a negative sector) is not
// treated differently: the wedge still runs counter-clockwise and covers all but
// the span between the rays.
void DrawWedge(QPainter& painter, QPoint boxTopLeft, QPoint boxBottomRight, QPoint start,
               QPoint end);

// Degrees, counter-clockwise from 3 o'clock, of the ellipse parameter at which
// the ray from the box centre through `point` meets the inscribed ellipse.
// QPainter's arcs are laid out on this parameter rather than on the ray's own
// angle; the two differ whenever the box is not square.
double EllipseParameterDegrees(QPoint boxTopLeft, QPoint boxBottomRight, QPoint point);
