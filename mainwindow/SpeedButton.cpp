#include "mainwindow/SpeedButton.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <cmath>

namespace {

// Device pixels per logical pixel of what the painter draws on: the device's
// own ratio, or more when the painting is redirected into a larger image.
qreal SurfaceRatio(const QPainter& painter) {
    const qreal scale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    return scale > 0.0 ? scale : 1.0;
}

} // namespace

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent) {}

void TSpeedButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The style draws the flat panel; the glyph follows at full resolution.
    // The action's text names the command for tooltips and assistive
    // technology only: without an icon the style would draw it instead.
    const QIcon glyph = option.icon;
    option.icon = QIcon();
    option.text.clear();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (glyph.isNull()) {
        return;
    }
    QRect box = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, iconSize(), rect());
    if (option.state & (QStyle::State_Sunken | QStyle::State_On)) {
        box.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                      style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    painter.drawPixmap(box, glyph.pixmap(iconSize(), SurfaceRatio(painter), mode));
}
