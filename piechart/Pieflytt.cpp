#include "piechart/Pieflytt.h"

#include "piechart/PieLine.h"
#include "piechart/Wedge.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <numbers>

namespace {

// Colour depth of the display, shared by all pies as the palette choice is a
// property of the display rather than of one chart.
int screenBitsPerPixel = 0;

// Pastel slots a fresh control starts with, before anyone assigns colours.
const PiePalette kInitialColours{QColor(255, 224, 224), QColor(255, 255, 224),
                                 QColor(224, 255, 224), QColor(224, 255, 255),
                                 QColor(224, 224, 255), QColor(255, 224, 255)};

// Assistive technology sees the control as a chart; its name and description
// are the widget's accessible name and description, set by the owner.
QAccessibleInterface* ChartAccessible(const QString& /*className*/, QObject* object) {
    if (auto* pie = qobject_cast<TPieFlytt*>(object)) {
        return new QAccessibleWidget(pie, QAccessible::Chart);
    }
    return nullptr;
}

} // namespace

TPieFlytt::TPieFlytt(QWidget* parent) : QWidget(parent), colours_(kInitialColours) {
    static const bool chartRoleInstalled = [] {
        QAccessible::installFactory(ChartAccessible);
        return true;
    }();
    Q_UNUSED(chartRoleInstalled);
    resize(65, 65);
}

void TPieFlytt::LoadItems(const QStringList& items) {
    QList<TPieSourceLine> lines;
    lines.reserve(items.size());
    for (const QString& item : items) {
        lines.append(TPieSourceLine{item, nullptr});
    }
    LoadItems(lines);
}

void TPieFlytt::LoadItems(const QList<TPieSourceLine>& items) {
    pieData_.Clear();
    entries_.clear();
    if (listBox_) {
        listBox_->clear();
    }
    total_ = 0.0;
    for (const TPieSourceLine& item : items) {
        const PieLine line = ReadPieLine(item.text);
        if (line.value) {
            total_ += *line.value;
            pieData_.Add(line.text, TObjectAndDouble{item.obj, *line.value});
            entries_.push_back(PieEntry{*line.value, line.label});
        }
    }
    if (listBox_) {
        for (int i = 0; i < pieData_.Count(); ++i) {
            auto* mirror = new QListWidgetItem(pieData_.Text(i), listBox_);
            const TObjectAndDouble* payload = pieData_.Payload(i);
            mirror->setData(Qt::UserRole, QVariant::fromValue(payload ? payload->Obj : nullptr));
        }
    }
    update();
}

void TPieFlytt::SetColour(int slot, const QColor& colour) {
    colours_[static_cast<std::size_t>(slot)] = colour;
    update();
}

void TPieFlytt::SetColour3(const QColor& colour) {
    colours_[2] = colour;
    screenBitsPerPixel = ReadDisplayDepth();
    update();
}

int TPieFlytt::ScreenBitsPerPixel() {
    return screenBitsPerPixel;
}

void TPieFlytt::SetDisplayDepth(int bitsPerPixel) {
    depthOverride_ = std::max(bitsPerPixel, 0);
    screenBitsPerPixel = ReadDisplayDepth();
    update();
}

int TPieFlytt::ReadDisplayDepth() const {
    if (depthOverride_ > 0) {
        return depthOverride_;
    }
    // A control not yet on any screen, or a platform that reports no depth,
    // counts as a full-colour display.
    const QScreen* display = screen();
    const int depth = display != nullptr ? display->depth() : 0;
    return depth > 0 ? depth : 32;
}

PieGeometry TPieFlytt::CurrentGeometry() const {
    PieInput input;
    input.width = width();
    input.height = height();
    input.palette = colours_;
    input.displayDepth = screenBitsPerPixel;
    input.entries = entries_;
    const QFontMetrics metrics(font());
    input.measure = [metrics](const QString& text) {
        return QSize(metrics.horizontalAdvance(text), metrics.height());
    };
    return ComputePieGeometry(input);
}

void TPieFlytt::paintEvent(QPaintEvent* /*event*/) {
    const PieGeometry geometry = CurrentGeometry();
    colours_ = geometry.palette;
    if (geometry.sectors.empty() && geometry.labels.empty()) {
        return;
    }
    QPainter painter(this);
    // Smooth edges at every device-pixel ratio. The half-pixel shift puts the
    // one-pixel outline on whole pixels right of and below its points, where
    // an unsmoothed outline falls, so straight radii stay crisp. Outlines go
    // on after all fills, so no fill half covers a neighbour's smoothed edge.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.translate(0.5, 0.5);
    painter.setPen(Qt::NoPen);
    for (const PieSector& sector : geometry.sectors) {
        painter.setBrush(sector.brush);
        DrawWedge(painter, sector.boxTopLeft, sector.boxBottomRight, sector.start, sector.end);
    }
    painter.setPen(QPen(Qt::black));
    painter.setBrush(Qt::NoBrush);
    for (const PieSector& sector : geometry.sectors) {
        DrawWedge(painter, sector.boxTopLeft, sector.boxBottomRight, sector.start, sector.end);
    }
    painter.restore();
    // Smoothed radii leave the pixel where they meet a shade short of black;
    // each apex pixel is inked in full, as an unsmoothed outline has it.
    for (const PieSector& sector : geometry.sectors) {
        const QPoint apex = QRect(sector.boxTopLeft, sector.boxBottomRight).normalized().center();
        painter.fillRect(QRectF(apex, QSizeF(1, 1)), Qt::black);
    }
    painter.setFont(font());
    painter.setPen(QPen(Qt::black));
    painter.setBackgroundMode(Qt::TransparentMode);
    const int ascent = QFontMetrics(font()).ascent();
    for (const PieLabelPlacement& label : geometry.labels) {
        painter.drawText(label.topLeft + QPoint(0, ascent), label.text);
    }
}

void TPieFlytt::RecordPress(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    downX_ = at.x();
    downY_ = at.y();
}

void TPieFlytt::mousePressEvent(QMouseEvent* event) {
    RecordPress(*event);
}

void TPieFlytt::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click arrives here instead of as a press.
    RecordPress(*event);
    HandleDoubleClick();
}

void TPieFlytt::HandleDoubleClick() {
    if (!onDblClick_) {
        return;
    }
    const QPoint press(downX_, downY_);
    if (IsBeyondPie(press, width(), height()) || pieData_.IsEmpty()) {
        return;
    }
    const int centreX = width() / 2;
    const int centreY = height() / 2;
    double angle = VectorAngle(centreY - downY_, downX_ - centreX);
    if (angle < 0.0) {
        angle += 2.0 * std::numbers::pi;
    }
    std::vector<double> values;
    std::vector<QObject*> objects;
    for (int i = 0; i < pieData_.Count(); ++i) {
        if (const TObjectAndDouble* payload = pieData_.Payload(i)) {
            values.push_back(payload->Value);
            objects.push_back(payload->Obj);
        }
    }
    const int hit = HitEntry(angle, values, total_);
    if (hit < 0) {
        return;
    }
    clickedObject_ = objects[static_cast<std::size_t>(hit)];
    onDblClick_(this);
}
