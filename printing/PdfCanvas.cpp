#include "printing/PdfCanvas.h"

#include "printing/PagePainter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

namespace Printing {

PdfCanvas::PdfCanvas(const QPageLayout& layout, int resolution, DocumentSink sink)
    : layout_(layout), resolution_(resolution), sink_(std::move(sink)) {}

PdfCanvas::~PdfCanvas() {
    // A document still open here was abandoned by its caller: drop it.
    Close();
}

QSize PdfCanvas::PrintableSize() const {
    return layout_.paintRectPixels(resolution_).size();
}

void PdfCanvas::BeginDoc(const QString& title) {
    if (painter_) {
        throw std::runtime_error("Printing in progress");
    }
    title_ = title;
    buffer_ = std::make_unique<QBuffer>();
    buffer_->open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(buffer_.get());
    writer_->setCreator(QStringLiteral("Dentiplot"));
    writer_->setTitle(title);
    writer_->setResolution(resolution_);
    writer_->setPageLayout(layout_);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) {
        Close();
        throw std::runtime_error("Printer selected is not valid");
    }
    page_ = std::make_unique<PagePainter>(*painter_, *writer_, resolution_);
}

void PdfCanvas::NewPage() {
    Page();
    if (!writer_->newPage()) {
        throw std::runtime_error("The printer refused a new page");
    }
}

void PdfCanvas::EndDoc() {
    Page();
    page_.reset();
    painter_->end();
    const QByteArray pdf = buffer_->data();
    const QString title = title_;
    Close();
    if (sink_) {
        sink_(title, pdf);
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
    if (!page_) {
        throw std::runtime_error("Printer is not currently printing");
    }
    return *page_;
}

void PdfCanvas::Close() {
    page_.reset();
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
    painter_.reset();
    writer_.reset();
    buffer_.reset();
    title_.clear();
}

} // namespace Printing
