#pragma once

// The program's own pictures: the seven toolbar glyphs, the program icon and
// the splash picture. Everything is drawn by QPainter code at the size asked
// for, so the pictures stay sharp at any device-pixel ratio.

#include <QIcon>
#include <QPixmap>
#include <QRectF>

class QPainter;

// The commands of the main window's toolbar, one glyph each.
enum class Glyph { Exit, New, About, Help, Notes, Advice, Print };

// Icon for a 32 by 32 flat toolbar button. The Disabled mode is the same
// drawing in light greys, so a switched-off button reads as greyed.
QIcon ToolbarGlyph(Glyph glyph);

// The program's icon (a stylised tooth with a small risk pie), usable from 16
// to 256 pixels.
QIcon ProgramIcon();

// Logical size of the splash picture in pixels.
inline constexpr int kSplashPictureWidth = 619;
inline constexpr int kSplashPictureHeight = 592;

// The title picture shown by the splash window: 619 by 592 logical pixels,
// rendered at the given device-pixel ratio.
QPixmap SplashPicture(qreal devicePixelRatio = 1.0);

// Painter functions behind the pictures above, for drawing straight onto a
// surface (a printer page, a widget). Each fills `box` as its design square;
// the painter's state is restored afterwards.
void PaintGlyph(QPainter& painter, Glyph glyph, const QRectF& box);
void PaintProgramIcon(QPainter& painter, const QRectF& box);
