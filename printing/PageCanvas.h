#pragma once

// The printing service as the printouts see it: a printer page measured in
// device pixels, documents and pages, fonts, pens, fills and the few drawing
// operations the chart report and the advice page need. The report and the
// advice page are composed against this interface only; one implementation
// draws on the default printer, another records the calls for tests.
//
// Errors (no default printer, a job the print system refuses) are thrown as
// std::runtime_error carrying the message the user is shown.

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

namespace Printing {

// How closed shapes (rectangles, pie slices) are filled. Hatches are black
// lines on the paper.
enum class FillStyle {
    None,          // outline only
    Solid,         // solid, in the fill colour
    Horizontal,    // horizontal hatch
    Cross,         // horizontal and vertical cross-hatch
    DiagonalCross, // both diagonals
};

class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    // Printable area of the page in device pixels.
    virtual QSize PrintableSize() const = 0;

    // One document is one print job. BeginDoc opens the first page.
    virtual void BeginDoc(const QString& title) = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;

    // Font by face, size in typographic points and weight.
    virtual void SetFont(const QString& face, int pointSize, bool bold) = 0;
    // Black pen, width in device pixels (not scaled).
    virtual void SetPenWidth(int pixels) = 0;
    // Fill of the next shapes; the colour matters for FillStyle::Solid only.
    virtual void SetFill(FillStyle style, const QColor& colour = Qt::black) = 0;

    // Rectangle with the given corners, outlined with the pen and filled.
    virtual void Rectangle(QPoint topLeft, QPoint bottomRight) = 0;
    // Pie slice of the ellipse inscribed in the box, swept counter-clockwise
    // (as seen on the page) from the ray through `start` to the ray through
    // `end`, closed by the two radii, outlined and filled. When the two rays
    // coincide the whole ellipse is drawn, so a printout leaves out a slice
    // that has nothing to show rather than ask for an empty one.
    virtual void Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) = 0;
    virtual void Line(QPoint from, QPoint to) = 0;
    // Text with its top-left corner at the given point, in black.
    virtual void Text(QPoint topLeft, const QString& text) = 0;
};

} // namespace Printing
