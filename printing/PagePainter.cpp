#include "printing/PagePainter.h"

#include "piechart/Wedge.h"
#include "resources/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>

namespace Printing {

namespace {

constexpr double kScreenDpi = 96.0;

Qt::BrushStyle HatchPattern(FillStyle style) {
    switch (style) {
    case FillStyle::Horizontal:
        return Qt::HorPattern;
    case FillStyle::Cross:
        return Qt::CrossPattern;
    case FillStyle::DiagonalCross:
        return Qt::DiagCrossPattern;
    case FillStyle::None:
    case FillStyle::Solid:
        break;
    }
    return Qt::NoBrush;
}

} // namespace

QString PrintFaceFor(const QString& face) {
    if (face == Fonts::kSerifFace && !QFontDatabase::hasFamily(Fonts::kSerifFace)) {
        return Fonts::kSerifFallback;
    }
    return face;
}

PagePainter::PagePainter(QPainter& painter, QPaintDevice& device, int resolution)
    : painter_(painter), device_(device), hatchScale_(resolution / kScreenDpi) {
    // Qt's pattern brushes are 8 device pixels wide, a grey smear on a printer;
    // scaled by the brush transform they keep a screen hatch's spacing.
    painter_.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
    ApplyPen();
    ApplyBrush();
}

void PagePainter::SetFont(const QString& face, int pointSize, bool bold) {
    // Asking the font database for the face costs about as much as drawing
    // a line of text; a page asks for the same face again and again.
    if (face != askedFace_ || printFace_.isEmpty()) {
        askedFace_ = face;
        printFace_ = PrintFaceFor(face);
    }
    font_ = QFont(printFace_);
    font_.setPointSize(pointSize);
    font_.setBold(bold);
    // Positions are exact device pixels: no hinting may move the glyphs.
    font_.setHintingPreference(QFont::PreferNoHinting);
    painter_.setFont(font_);
    ascent_.reset();
}

void PagePainter::SetPenWidth(int pixels) {
    penWidth_ = pixels;
    ApplyPen();
}

void PagePainter::SetFill(FillStyle style, const QColor& colour) {
    fill_ = style;
    fillColour_ = colour;
    ApplyBrush();
}

void PagePainter::Rectangle(QPoint topLeft, QPoint bottomRight) {
    painter_.drawRect(QRectF(QPointF(topLeft), QPointF(bottomRight)));
}

void PagePainter::Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) {
    DrawWedge(painter_, boxTopLeft, boxBottomRight, start, end);
}

void PagePainter::Line(QPoint from, QPoint to) {
    painter_.drawLine(QPointF(from), QPointF(to));
}

void PagePainter::Text(QPoint topLeft, const QString& text) {
    // The page anchors text at its top-left corner, the painter at the
    // baseline: the baseline lies one ascent (in device metrics) lower.
    if (!ascent_) {
        ascent_ = QFontMetrics(font_, &device_).ascent();
    }
    painter_.save();
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(topLeft.x(), topLeft.y() + *ascent_), text);
    painter_.restore();
}

void PagePainter::ApplyPen() {
    painter_.setPen(QPen(Qt::black, penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void PagePainter::ApplyBrush() {
    switch (fill_) {
    case FillStyle::None:
        painter_.setBrush(Qt::NoBrush);
        return;
    case FillStyle::Solid:
        painter_.setBrush(fillColour_);
        return;
    case FillStyle::Horizontal:
    case FillStyle::Cross:
    case FillStyle::DiagonalCross:
        break;
    }
    QBrush hatch(Qt::black, HatchPattern(fill_));
    hatch.setTransform(QTransform::fromScale(hatchScale_, hatchScale_));
    painter_.setBrush(hatch);
}

} // namespace Printing
