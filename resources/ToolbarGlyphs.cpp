// The seven toolbar glyphs, drawn on a 32 by 32 design grid that is scaled to
// the requested box. Outlines are dark and fills saturated enough to read at
// 32 pixels on a button face.

#include "resources/GlyphIconEngine.h"
#include "resources/Glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kDesignSide = 32.0;

const QColor Ink(40, 44, 52);
const QColor Paper(255, 255, 255);

QPen InkPen(qreal width, const QColor& colour = Ink) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A door standing open and an arrow leaving through it.
void PaintExit(QPainter& p) {
    p.setPen(InkPen(1.4));
    p.setBrush(QColor(236, 232, 222));
    p.drawRect(QRectF(5.5, 3.5, 14, 25)); // door frame
    const QPolygonF leaf{{5.5, 3.5}, {13.5, 6.5}, {13.5, 31.0}, {5.5, 28.5}};
    p.setBrush(QColor(176, 112, 52));
    p.drawPolygon(leaf);
    p.setBrush(QColor(250, 220, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(11.6, 18.0), 1.1, 1.1); // door knob
    QPainterPath arrow;
    arrow.moveTo(15.0, 14.0);
    arrow.lineTo(23.0, 14.0);
    arrow.lineTo(23.0, 9.5);
    arrow.lineTo(30.5, 17.0);
    arrow.lineTo(23.0, 24.5);
    arrow.lineTo(23.0, 20.0);
    arrow.lineTo(15.0, 20.0);
    arrow.closeSubpath();
    p.setPen(InkPen(1.2, QColor(120, 20, 20)));
    p.setBrush(QColor(214, 52, 44));
    p.drawPath(arrow);
}

// A blank sheet with its top right corner folded over.
void PaintNew(QPainter& p) {
    const QPolygonF sheet{{7.5, 2.5}, {19.5, 2.5}, {25.5, 8.5}, {25.5, 29.5}, {7.5, 29.5}};
    p.setPen(InkPen(1.4));
    p.setBrush(Paper);
    p.drawPolygon(sheet);
    const QPolygonF fold{{19.5, 2.5}, {19.5, 8.5}, {25.5, 8.5}};
    p.setBrush(QColor(200, 206, 216));
    p.drawPolygon(fold);
    // A small spark that says "fresh".
    p.setPen(InkPen(1.6, QColor(230, 160, 20)));
    p.drawLine(QPointF(5.0, 6.0), QPointF(5.0, 11.0));
    p.drawLine(QPointF(2.5, 8.5), QPointF(7.5, 8.5));
}

void PaintRoundBadge(QPainter& p, const QColor& fill) {
    QRadialGradient shade(QPointF(12.0, 10.0), 18.0);
    shade.setColorAt(0.0, fill.lighter(140));
    shade.setColorAt(1.0, fill);
    p.setPen(InkPen(1.3, fill.darker(170)));
    p.setBrush(shade);
    p.drawEllipse(QPointF(16.0, 16.0), 13.5, 13.5);
}

// The letter "i" in a blue disc: information about the program.
void PaintAbout(QPainter& p) {
    PaintRoundBadge(p, QColor(34, 96, 196));
    p.setPen(Qt::NoPen);
    p.setBrush(Paper);
    p.drawEllipse(QPointF(16.0, 9.0), 2.4, 2.4);
    p.drawRoundedRect(QRectF(13.9, 13.0, 4.2, 12.0), 1.2, 1.2);
    p.drawRect(QRectF(12.0, 22.8, 8.0, 2.2)); // foot serif
}

// A question mark in a green disc: how to use the program.
void PaintHelp(QPainter& p) {
    PaintRoundBadge(p, QColor(30, 140, 96));
    QPainterPath hook;
    hook.moveTo(11.4, 11.8);
    hook.arcTo(QRectF(11.4, 6.6, 9.2, 9.2), 180.0, -250.0);
    hook.quadTo(16.0, 16.5, 16.0, 19.2);
    p.setPen(InkPen(3.4, Paper));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Paper);
    p.drawEllipse(QPointF(16.0, 24.0), 2.1, 2.1);
}

// A ruled notepad with a pencil lying across it.
void PaintNotes(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.setBrush(QColor(255, 236, 140));
    p.drawRect(QRectF(4.5, 5.5, 18, 24));
    p.setPen(InkPen(1.0, QColor(150, 130, 70)));
    for (qreal y = 12.0; y < 28.0; y += 4.0) {
        p.drawLine(QPointF(7.5, y), QPointF(19.5, y));
    }
    // Spiral binding along the top edge.
    p.setPen(InkPen(1.3));
    p.setBrush(Qt::NoBrush);
    for (qreal x = 8.0; x < 22.0; x += 4.5) {
        p.drawArc(QRectF(x - 1.5, 3.0, 3.0, 5.0), 0, 180 * 16);
    }
    // The pencil, drawn along its own axis and turned into place.
    p.save();
    p.translate(25.0, 20.0);
    p.rotate(-60.0);
    p.setPen(InkPen(1.1));
    p.setBrush(QColor(240, 170, 30));
    p.drawRect(QRectF(-9.0, -2.2, 15.0, 4.4));
    p.setBrush(QColor(236, 120, 140));
    p.drawRect(QRectF(6.0, -2.2, 3.0, 4.4)); // eraser
    const QPolygonF tip{{-9.0, -2.2}, {-14.0, 0.0}, {-9.0, 2.2}};
    p.setBrush(QColor(240, 210, 170));
    p.drawPolygon(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPolygon(QPolygonF{{-12.2, -0.8}, {-14.0, 0.0}, {-12.2, 0.8}});
    p.restore();
}

// A speech bubble holding a tick: the proposed measures.
void PaintAdvice(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2.5, 3.5, 27, 19), 5.0, 5.0);
    QPainterPath tail;
    tail.moveTo(8.0, 20.0);
    tail.lineTo(7.0, 29.5);
    tail.lineTo(16.0, 20.0);
    tail.closeSubpath();
    p.setPen(InkPen(1.4, QColor(30, 70, 150)));
    p.setBrush(QColor(226, 238, 255));
    p.drawPath(bubble.united(tail));
    p.setPen(InkPen(3.0, QColor(40, 150, 50)));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{9.5, 13.0}, {14.0, 17.5}, {22.5, 8.5}});
}

// A desk printer with a sheet coming out.
void PaintPrint(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.setBrush(Paper);
    p.drawRect(QRectF(9.5, 3.5, 13, 10)); // paper waiting at the back
    p.setBrush(QColor(150, 156, 168));
    p.drawRoundedRect(QRectF(3.5, 12.5, 25, 11), 2.0, 2.0); // body
    p.setBrush(QColor(96, 102, 114));
    p.drawRect(QRectF(7.5, 20.5, 17, 3)); // output slot
    p.setBrush(Paper);
    p.drawRect(QRectF(9.5, 21.5, 13, 8.5)); // printed sheet
    p.setPen(InkPen(1.0, QColor(110, 110, 120)));
    p.drawLine(QPointF(12.0, 25.0), QPointF(20.0, 25.0));
    p.drawLine(QPointF(12.0, 27.5), QPointF(18.0, 27.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 70));
    p.drawEllipse(QPointF(24.5, 16.0), 1.4, 1.4); // power light
}

QString GlyphName(Glyph glyph) {
    switch (glyph) {
    case Glyph::Exit:
        return QStringLiteral("dentiplot-exit");
    case Glyph::New:
        return QStringLiteral("dentiplot-new");
    case Glyph::About:
        return QStringLiteral("dentiplot-about");
    case Glyph::Help:
        return QStringLiteral("dentiplot-help");
    case Glyph::Notes:
        return QStringLiteral("dentiplot-notes");
    case Glyph::Advice:
        return QStringLiteral("dentiplot-advice");
    case Glyph::Print:
        return QStringLiteral("dentiplot-print");
    }
    return {};
}

} // namespace

void PaintGlyph(QPainter& painter, Glyph glyph, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / kDesignSide, box.height() / kDesignSide);
    switch (glyph) {
    case Glyph::Exit:
        PaintExit(painter);
        break;
    case Glyph::New:
        PaintNew(painter);
        break;
    case Glyph::About:
        PaintAbout(painter);
        break;
    case Glyph::Help:
        PaintHelp(painter);
        break;
    case Glyph::Notes:
        PaintNotes(painter);
        break;
    case Glyph::Advice:
        PaintAdvice(painter);
        break;
    case Glyph::Print:
        PaintPrint(painter);
        break;
    }
    painter.restore();
}

QIcon ToolbarGlyph(Glyph glyph) {
    return QIcon(new GlyphIconEngine(
        [glyph](QPainter& painter, const QRectF& box) { PaintGlyph(painter, glyph, box); },
        GlyphName(glyph)));
}
