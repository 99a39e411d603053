#include "tests/printing/RecordingCanvas.h"

#include "resources/Fonts.h"

#include <QRegularExpression>
#include <stdexcept>

namespace Printing {

namespace {

QString Points(std::initializer_list<QPoint> points) {
    QStringList texts;
    for (const QPoint& point : points) {
        texts << QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
    }
    return texts.join(' ');
}

} // namespace

void RecordingCanvas::BeginDoc(const QString& title) {
    if (DocumentOpen()) {
        throw std::runtime_error("Printing in progress");
    }
    Record("begin", title);
    page_ = 0;
}

void RecordingCanvas::NewPage() {
    Record("page", {});
    ++page_;
}

void RecordingCanvas::EndDoc() {
    Record("end", {});
    page_ = -1;
}

void RecordingCanvas::SetFont(const QString& face, int pointSize, bool bold) {
    font_ = (face == Fonts::kSerifFace ? QString() : face + ' ') + (bold ? 'B' : 'R') +
            QString::number(pointSize);
}

void RecordingCanvas::SetFill(FillStyle style, const QColor& colour) {
    const char* const names[] = {"none", "", "horizontal", "cross", "diagonal"};
    fill_ = style == FillStyle::Solid ? colour.name() : names[int(style)];
}

void RecordingCanvas::Rectangle(QPoint topLeft, QPoint bottomRight) {
    Record("rect", pen_ + ' ' + fill_ + ' ' + Points({topLeft, bottomRight}));
}

void RecordingCanvas::Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) {
    Record("pie", pen_ + ' ' + fill_ + ' ' + Points({boxTopLeft, boxBottomRight, start, end}));
}

void RecordingCanvas::Line(QPoint from, QPoint to) {
    Record("line", pen_ + ' ' + Points({from, to}));
}

void RecordingCanvas::Text(QPoint topLeft, const QString& text) {
    Record("text", QStringLiteral("%1 %2 %3 %4").arg(page_).arg(font_, Points({topLeft}), text));
}

void RecordingCanvas::FailAt(const QString& word, int occurrence, const QString& message) {
    failWord_ = word;
    failOccurrence_ = occurrence;
    failMessage_ = message;
}

QStringList RecordingCanvas::Lines(const QString& word) const {
    return lines_.filter(QRegularExpression('^' + word + "( |$)"));
}

// Every call passes here first: the chosen one throws instead of being kept.
void RecordingCanvas::Record(const QString& word, const QString& rest) {
    if (word == failWord_ && Lines(word).size() == failOccurrence_) {
        failWord_.clear();
        throw std::runtime_error(failMessage_.toStdString());
    }
    lines_ << (rest.isEmpty() ? word : word + ' ' + rest);
}

} // namespace Printing
