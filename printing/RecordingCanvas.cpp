#include "printing/RecordingCanvas.h"

#include <algorithm>
#include <stdexcept>

namespace Printing {

RecordingCanvas::RecordingCanvas(QSize printableSize) : m_size(printableSize) {}

QSize RecordingCanvas::PrintableSize() const {
    return m_size;
}

void RecordingCanvas::BeginDoc(const QString& title) {
    ThrowIfChosen(CanvasCall::Kind::BeginDoc);
    if (m_open) {
        throw std::runtime_error("Printing in progress");
    }
    m_open = true;
    m_page = 0;
    Record(CanvasCall::Kind::BeginDoc, title);
}

void RecordingCanvas::NewPage() {
    ThrowIfChosen(CanvasCall::Kind::NewPage);
    ++m_page;
    Record(CanvasCall::Kind::NewPage);
}

void RecordingCanvas::EndDoc() {
    ThrowIfChosen(CanvasCall::Kind::EndDoc);
    Record(CanvasCall::Kind::EndDoc);
    m_open = false;
    m_page = -1;
}

void RecordingCanvas::SetFont(const QString& face, int pointSize, bool bold) {
    ThrowIfChosen(CanvasCall::Kind::SetFont);
    m_font = CanvasFont{face, pointSize, bold};
    Record(CanvasCall::Kind::SetFont);
}

void RecordingCanvas::SetPenWidth(int pixels) {
    ThrowIfChosen(CanvasCall::Kind::SetPenWidth);
    m_penWidth = pixels;
    Record(CanvasCall::Kind::SetPenWidth);
}

void RecordingCanvas::SetFill(FillStyle style, const QColor& colour) {
    ThrowIfChosen(CanvasCall::Kind::SetFill);
    m_fill = style;
    m_fillColour = colour;
    Record(CanvasCall::Kind::SetFill);
}

void RecordingCanvas::Rectangle(QPoint topLeft, QPoint bottomRight) {
    ThrowIfChosen(CanvasCall::Kind::Rectangle);
    Record(CanvasCall::Kind::Rectangle, {}, {topLeft, bottomRight});
}

void RecordingCanvas::Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) {
    ThrowIfChosen(CanvasCall::Kind::Pie);
    Record(CanvasCall::Kind::Pie, {}, {boxTopLeft, boxBottomRight, start, end});
}

void RecordingCanvas::Line(QPoint from, QPoint to) {
    ThrowIfChosen(CanvasCall::Kind::Line);
    Record(CanvasCall::Kind::Line, {}, {from, to});
}

void RecordingCanvas::Text(QPoint topLeft, const QString& text) {
    ThrowIfChosen(CanvasCall::Kind::Text);
    Record(CanvasCall::Kind::Text, text, {topLeft});
}

void RecordingCanvas::FailAt(CanvasCall::Kind kind, int occurrence, const QString& message) {
    m_failKind = kind;
    m_failOccurrence = occurrence;
    m_failMessage = message;
}

std::vector<CanvasCall> RecordingCanvas::CallsOf(CanvasCall::Kind kind) const {
    std::vector<CanvasCall> result;
    std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(result),
                 [kind](const CanvasCall& call) { return call.kind == kind; });
    return result;
}

std::vector<CanvasCall> RecordingCanvas::Texts(std::optional<int> page) const {
    std::vector<CanvasCall> result;
    std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(result),
                 [page](const CanvasCall& call) {
                     return call.kind == CanvasCall::Kind::Text && (!page || call.page == *page);
                 });
    return result;
}

std::optional<CanvasCall> RecordingCanvas::FindText(const QString& text) const {
    const auto found = std::find_if(m_calls.begin(), m_calls.end(), [&text](const CanvasCall& c) {
        return c.kind == CanvasCall::Kind::Text && c.text == text;
    });
    if (found == m_calls.end()) {
        return std::nullopt;
    }
    return *found;
}

int RecordingCanvas::PageCount() const {
    return static_cast<int>(CallsOf(CanvasCall::Kind::BeginDoc).size() +
                            CallsOf(CanvasCall::Kind::NewPage).size());
}

void RecordingCanvas::Record(CanvasCall::Kind kind, const QString& text,
                             std::vector<QPoint> points) {
    CanvasCall call;
    call.kind = kind;
    call.text = text;
    call.points = std::move(points);
    call.page = m_page;
    call.font = m_font;
    call.penWidth = m_penWidth;
    call.fill = m_fill;
    call.fillColour = m_fillColour;
    m_calls.push_back(std::move(call));
}

void RecordingCanvas::ThrowIfChosen(CanvasCall::Kind kind) {
    if (!m_failKind || *m_failKind != kind) {
        return;
    }
    const auto seen = std::count_if(m_calls.begin(), m_calls.end(),
                                    [kind](const CanvasCall& c) { return c.kind == kind; });
    if (seen == m_failOccurrence) {
        m_failKind.reset();
        throw std::runtime_error(m_failMessage.toStdString());
    }
}

} // namespace Printing
