#include "printing/PdfCanvas.h"

#include "printing/PagePainter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

namespace Printing {

PdfCanvas::PdfCanvas(const QPageLayout& layout, int resolution, DocumentSink sink)
    : m_layout(layout), m_resolution(resolution), m_sink(std::move(sink)) {}

PdfCanvas::~PdfCanvas() {
    // A document still open here was abandoned by its caller: drop it.
    Close();
}

QSize PdfCanvas::PrintableSize() const {
    return m_layout.paintRectPixels(m_resolution).size();
}

void PdfCanvas::BeginDoc(const QString& title) {
    if (m_painter) {
        throw std::runtime_error("Printing in progress");
    }
    m_title = title;
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(m_buffer.get());
    m_writer->setCreator(QStringLiteral("Dentiplot"));
    m_writer->setTitle(title);
    m_writer->setResolution(m_resolution);
    m_writer->setPageLayout(m_layout);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get())) {
        Close();
        throw std::runtime_error("Printer selected is not valid");
    }
    m_page = std::make_unique<PagePainter>(*m_painter, *m_writer, m_resolution);
}

void PdfCanvas::NewPage() {
    Page();
    if (!m_writer->newPage()) {
        throw std::runtime_error("The printer refused a new page");
    }
}

void PdfCanvas::EndDoc() {
    Page();
    m_page.reset();
    m_painter->end();
    const QByteArray pdf = m_buffer->data();
    const QString title = m_title;
    Close();
    if (m_sink) {
        m_sink(title, pdf);
    }
}

void PdfCanvas::SetFont(const QString& face, int pointSize, bool bold) {
    Page().SetFont(face, pointSize, bold);
}

void PdfCanvas::SetPenWidth(int pixels) {
    Page().SetPenWidth(pixels);
}

void PdfCanvas::SetFill(FillStyle style, const QColor& colour) {
    Page().SetFill(style, colour);
}

void PdfCanvas::Rectangle(QPoint topLeft, QPoint bottomRight) {
    Page().Rectangle(topLeft, bottomRight);
}

void PdfCanvas::Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) {
    Page().Pie(boxTopLeft, boxBottomRight, start, end);
}

void PdfCanvas::Line(QPoint from, QPoint to) {
    Page().Line(from, to);
}

void PdfCanvas::Text(QPoint topLeft, const QString& text) {
    Page().Text(topLeft, text);
}

PagePainter& PdfCanvas::Page() {
    if (!m_page) {
        throw std::runtime_error("Printer is not currently printing");
    }
    return *m_page;
}

void PdfCanvas::Close() {
    m_page.reset();
    if (m_painter && m_painter->isActive()) {
        m_painter->end();
    }
    m_painter.reset();
    m_writer.reset();
    m_buffer.reset();
    m_title.clear();
}

} // namespace Printing
