#include "tests/printing/RecordingCanvas.h"

#include <algorithm>
#include <stdexcept>

namespace Printing {

using Kind = CanvasCall::Kind;

RecordingCanvas::RecordingCanvas(QSize printableSize) : m_size(printableSize) {}

void RecordingCanvas::BeginDoc(const QString& title) {
    if (DocumentOpen()) {
        throw std::runtime_error("Printing in progress");
    }
    Record(Kind::BeginDoc, title);
    m_calls.back().page = m_state.page = 0;
}

void RecordingCanvas::NewPage() {
    Record(Kind::NewPage);
    m_calls.back().page = ++m_state.page;
}

void RecordingCanvas::EndDoc() {
    Record(Kind::EndDoc);
    m_state.page = -1;
}

void RecordingCanvas::SetFont(const QString& face, int pointSize, bool bold) {
    m_state.font = CanvasFont{face, pointSize, bold};
    Record(Kind::SetFont);
}

void RecordingCanvas::SetPenWidth(int pixels) {
    m_state.penWidth = pixels;
    Record(Kind::SetPenWidth);
}

void RecordingCanvas::SetFill(FillStyle style, const QColor& colour) {
    m_state.fill = style;
    m_state.fillColour = colour;
    Record(Kind::SetFill);
}

void RecordingCanvas::Rectangle(QPoint topLeft, QPoint bottomRight) {
    Record(Kind::Rectangle, {}, {topLeft, bottomRight});
}

void RecordingCanvas::Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) {
    Record(Kind::Pie, {}, {boxTopLeft, boxBottomRight, start, end});
}

void RecordingCanvas::Line(QPoint from, QPoint to) {
    Record(Kind::Line, {}, {from, to});
}

void RecordingCanvas::Text(QPoint topLeft, const QString& text) {
    Record(Kind::Text, text, {topLeft});
}

void RecordingCanvas::FailAt(Kind kind, int occurrence, const QString& message) {
    m_failKind = kind;
    m_failOccurrence = occurrence;
    m_failMessage = message;
}

std::vector<CanvasCall> RecordingCanvas::CallsOf(Kind kind) const {
    std::vector<CanvasCall> result;
    std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(result),
                 [kind](const CanvasCall& call) { return call.kind == kind; });
    return result;
}

std::vector<CanvasCall> RecordingCanvas::Texts(std::optional<int> page) const {
    std::vector<CanvasCall> texts = CallsOf(Kind::Text);
    std::erase_if(texts, [page](const CanvasCall& call) { return page && call.page != *page; });
    return texts;
}

std::optional<CanvasCall> RecordingCanvas::FindText(const QString& text) const {
    for (const CanvasCall& call : CallsOf(Kind::Text)) {
        if (call.text == text) {
            return call;
        }
    }
    return std::nullopt;
}

int RecordingCanvas::PageCount() const {
    return static_cast<int>(CallsOf(Kind::BeginDoc).size() + CallsOf(Kind::NewPage).size());
}

// Every call passes here first: the chosen one throws instead of being kept.
void RecordingCanvas::Record(Kind kind, const QString& text, std::vector<QPoint> points) {
    if (m_failKind == kind && static_cast<int>(CallsOf(kind).size()) == m_failOccurrence) {
        m_failKind.reset();
        throw std::runtime_error(m_failMessage.toStdString());
    }
    CanvasCall call = m_state;
    call.kind = kind;
    call.text = text;
    call.points = std::move(points);
    m_calls.push_back(std::move(call));
}

} // namespace Printing
