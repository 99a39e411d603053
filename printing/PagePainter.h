#pragma once

// The drawing operations of a printed page carried out with a QPainter on a
// paint device whose pixels are device pixels (a printer page, or an image
// standing in for one). Positions arrive in device pixels already; fonts come
// in typographic points and are sized by the device's resolution.

#include "printing/PageCanvas.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <optional>

class QPainter;
class QPaintDevice;

namespace Printing {

// The serif face where installed, otherwise its metric-compatible fallback
// (Fonts.h); any other face is taken as asked.
QString PrintFaceFor(const QString& face);

class PagePainter {
public:
    // `painter` must be active on `device`; `resolution` is the device's dots
    // per inch, used to size the hatches like those of a 96 dpi screen.
    PagePainter(QPainter& painter, QPaintDevice& device, int resolution);

    void SetFont(const QString& face, int pointSize, bool bold);
    void SetPenWidth(int pixels);
    void SetFill(FillStyle style, const QColor& colour);

    void Rectangle(QPoint topLeft, QPoint bottomRight);
    void Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end);
    void Line(QPoint from, QPoint to);
    void Text(QPoint topLeft, const QString& text);

    // Device pixels of one hatch pixel: hatch lines are as far apart and as
    // thick on paper as the standard hatches on a 96 dpi screen.
    double HatchScale() const { return hatchScale_; }

private:
    void ApplyPen();
    void ApplyBrush();

    QPainter& painter_;
    QPaintDevice& device_;
    double hatchScale_;
    QFont font_;
    std::optional<int> ascent_; // of font_ on the device, once measured
    // The last face asked for and the face it is printed in.
    QString askedFace_;
    QString printFace_;
    int penWidth_ = 1;
    FillStyle fill_ = FillStyle::None;
    QColor fillColour_ = Qt::black;
};

} // namespace Printing
