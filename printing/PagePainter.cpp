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

constexpr double ScreenDpi = 96.0;

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
    if (face == Fonts::SerifFace && !QFontDatabase::hasFamily(Fonts::SerifFace)) {
        return Fonts::SerifFallback;
    }
    return face;
}

PagePainter::PagePainter(QPainter& painter, QPaintDevice& device, int resolution)
    : m_painter(painter), m_device(device), m_hatchScale(resolution / ScreenDpi) {
    // Qt's pattern brushes are 8 device pixels wide, a grey smear on a printer;
    // scaled by the brush transform they keep a screen hatch's spacing.
    m_painter.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    ApplyPen();
    ApplyBrush();
}

void PagePainter::SetFont(const QString& face, int pointSize, bool bold) {
    // Asking the font database for the face costs about as much as drawing
    // a line of text; a page asks for the same face again and again.
    if (face != m_askedFace || m_printFace.isEmpty()) {
        m_askedFace = face;
        m_printFace = PrintFaceFor(face);
    }
    m_font = QFont(m_printFace);
    m_font.setPointSize(pointSize);
    m_font.setBold(bold);
    // Positions are exact device pixels: no hinting may move the glyphs.
    m_font.setHintingPreference(QFont::PreferNoHinting);
    m_painter.setFont(m_font);
    m_ascent.reset();
}

void PagePainter::SetPenWidth(int pixels) {
    m_penWidth = pixels;
    ApplyPen();
}

void PagePainter::SetFill(FillStyle style, const QColor& colour) {
    m_fill = style;
    m_fillColour = colour;
    ApplyBrush();
}

void PagePainter::Rectangle(QPoint topLeft, QPoint bottomRight) {
    m_painter.drawRect(QRectF(QPointF(topLeft), QPointF(bottomRight)));
}

void PagePainter::Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) {
    DrawWedge(m_painter, boxTopLeft, boxBottomRight, start, end);
}

void PagePainter::Line(QPoint from, QPoint to) {
    m_painter.drawLine(QPointF(from), QPointF(to));
}

void PagePainter::Text(QPoint topLeft, const QString& text) {
    // The page anchors text at its top-left corner, the painter at the
    // baseline: the baseline lies one ascent (in device metrics) lower.
    if (!m_ascent) {
        m_ascent = QFontMetrics(m_font, &m_device).ascent();
    }
    m_painter.save();
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPoint(topLeft.x(), topLeft.y() + *m_ascent), text);
    m_painter.restore();
}

void PagePainter::ApplyPen() {
    m_painter.setPen(QPen(Qt::black, m_penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void PagePainter::ApplyBrush() {
    switch (m_fill) {
    case FillStyle::None:
        m_painter.setBrush(Qt::NoBrush);
        return;
    case FillStyle::Solid:
        m_painter.setBrush(m_fillColour);
        return;
    case FillStyle::Horizontal:
    case FillStyle::Cross:
    case FillStyle::DiagonalCross:
        break;
    }
    QBrush hatch(Qt::black, HatchPattern(m_fill));
    hatch.setTransform(QTransform::fromScale(m_hatchScale, m_hatchScale));
    m_painter.setBrush(hatch);
}

} // namespace Printing
