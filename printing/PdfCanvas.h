#pragma once

// A page canvas that draws each document into a PDF held in memory and, when
// the document ends, hands the finished PDF to a sink (the print system, or a
// test). The page layout and resolution are those of the printer the PDF is
// meant for, so device pixels here are the printer's device pixels.

#include "printing/PageCanvas.h"

#include <QByteArray>
#include <QPageLayout>
#include <functional>
#include <memory>

class QBuffer;
class QPainter;
class QPdfWriter;

namespace Printing {

class PagePainter;

class PdfCanvas final : public PageCanvas {
public:
    // Receives each finished document; may throw to report that the print
    // system refused it.
    using DocumentSink = std::function<void(const QString& title, const QByteArray& pdf)>;

    // `layout`'s paint rectangle is the printable area; `resolution` in dots
    // per inch.
    PdfCanvas(const QPageLayout& layout, int resolution, DocumentSink sink);
    ~PdfCanvas() override;
    PdfCanvas(const PdfCanvas&) = delete;
    PdfCanvas& operator=(const PdfCanvas&) = delete;

    QSize PrintableSize() const override;
    void BeginDoc(const QString& title) override;
    void NewPage() override;
    // Finishes the PDF and hands it to the sink. The canvas is closed even
    // when the sink throws, so the next document can begin.
    void EndDoc() override;
    void SetFont(const QString& face, int pointSize, bool bold) override;
    void SetPenWidth(int pixels) override;
    void SetFill(FillStyle style, const QColor& colour) override;
    void Rectangle(QPoint topLeft, QPoint bottomRight) override;
    void Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) override;
    void Line(QPoint from, QPoint to) override;
    void Text(QPoint topLeft, const QString& text) override;

    int Resolution() const { return resolution_; }

private:
    // The painter of the open document; throws when no document is open.
    PagePainter& Page();
    void Close();

    QPageLayout layout_;
    int resolution_;
    DocumentSink sink_;
    QString title_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PagePainter> page_;
};

} // namespace Printing
