// The splash picture: the program's name over a deep blue ground, a large
// tooth beside a risk pie in the sector colours, and the reminder that the
// program is an educational aid.

#include "resources/Fonts.h"
#include "resources/Glyphs.h"
#include "resources/SectorPalette.h"
#include "resources/ToothShape.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace {

void PaintBackground(QPainter& p, const QRectF& area) {
    QLinearGradient ground(area.topLeft(), area.bottomLeft());
    ground.setColorAt(0.0, QColor(18, 44, 92));
    ground.setColorAt(0.6, QColor(34, 86, 150));
    ground.setColorAt(1.0, QColor(226, 236, 246));
    p.fillRect(area, ground);
    // A faint arc behind the pictures ties tooth and pie together.
    p.setPen(QPen(QColor(255, 255, 255, 40), 28));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(area.center().x(), 330), 250, 150);
}

void PaintTitle(QPainter& p, const QRectF& area) {
    QFont title = SerifFont(76);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QRectF(3, 31, area.width(), 100), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Dentiplot"));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(0, 28, area.width(), 100), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Dentiplot"));
    QFont subtitle = SerifFont(26);
    subtitle.setItalic(true);
    p.setFont(subtitle);
    p.setPen(QColor(214, 230, 250));
    p.drawText(QRectF(0, 120, area.width(), 40), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Evaluation of the Caries Risk"));
}

// The chart with its chance sector pulled out, as the program draws it, over
// a soft shadow.
void PaintChart(QPainter& p, const QRectF& box) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(box.translated(6, 8));
    p.setPen(QPen(QColor(30, 40, 60), 1.5));
    PaintSectorPie(p, box, {58.0, 11.0, 12.0, 10.0, 9.0}, 14.0);
}

void PaintFooter(QPainter& p, const QRectF& area) {
    p.setPen(QColor(24, 44, 80));
    QFont version = SerifFont(20);
    p.setFont(version);
    p.drawText(QRectF(0, 478, area.width(), 28), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Version 3.00"));
    QFont note = SerifFont(17);
    note.setItalic(true);
    p.setFont(note);
    p.drawText(QRectF(40, 512, area.width() - 80, 60),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("An educational aid for understanding caries risk. It cannot replace "
                              "the examiner's professional judgement."));
}

} // namespace

QPixmap SplashPicture(qreal devicePixelRatio) {
    if (!(devicePixelRatio > 0.0)) {
        devicePixelRatio = 1.0;
    }
    const QSize logical(kSplashPictureWidth, kSplashPictureHeight);
    QImage image(QSize(static_cast<int>(std::ceil(logical.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(logical.height() * devicePixelRatio))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QRectF area(QPointF(0, 0), QSizeF(logical));
        PaintBackground(p, area);
        PaintTitle(p, area);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawPath(ToothOutline(QRectF(98, 208, 190, 230)));
        PaintTooth(p, QRectF(92, 200, 190, 230), 4.0);
        PaintChart(p, QRectF(330, 220, 200, 200));
        PaintFooter(p, area);
    }
    return QPixmap::fromImage(image);
}
