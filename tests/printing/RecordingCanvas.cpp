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
    m_page = 0;
}

void RecordingCanvas::NewPage() {
    Record("page", {});
    ++m_page;
}

void RecordingCanvas::EndDoc() {
    Record("end", {});
    m_page = -1;
}

void RecordingCanvas::SetFont(const QString& face, int pointSize, bool bold) {
    m_font = (face == Fonts::kSerifFace ? QString() : face + ' ') + (bold ? 'B' : 'R') +
             QString::number(pointSize);
}

void RecordingCanvas::SetFill(FillStyle style, const QColor& colour) {
    const char* const names[] = {"none", "", "horizontal", "cross", "diagonal"};
    m_fill = style == FillStyle::Solid ? colour.name() : names[int(style)];
}

void RecordingCanvas::Rectangle(QPoint topLeft, QPoint bottomRight) {
    Record("rect", m_pen + ' ' + m_fill + ' ' + Points({topLeft, bottomRight}));
}

void RecordingCanvas::Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) {
    Record("pie", m_pen + ' ' + m_fill + ' ' + Points({boxTopLeft, boxBottomRight, start, end}));
}

void RecordingCanvas::Line(QPoint from, QPoint to) {
    Record("line", m_pen + ' ' + Points({from, to}));
}

void RecordingCanvas::Text(QPoint topLeft, const QString& text) {
    Record("text", QStringLiteral("%1 %2 %3 %4").arg(m_page).arg(m_font, Points({topLeft}), text));
}

void RecordingCanvas::FailAt(const QString& word, int occurrence, const QString& message) {
    m_failWord = word;
    m_failOccurrence = occurrence;
    m_failMessage = message;
}

QStringList RecordingCanvas::Lines(const QString& word) const {
    return m_lines.filter(QRegularExpression('^' + word + "( |$)"));
}

// Every call passes here first: the chosen one throws instead of being kept.
void RecordingCanvas::Record(const QString& word, const QString& rest) {
    if (word == m_failWord && Lines(word).size() == m_failOccurrence) {
        m_failWord.clear();
        throw std::runtime_error(m_failMessage.toStdString());
    }
    m_lines << (rest.isEmpty() ? word : word + ' ' + rest);
}

} // namespace Printing
