#pragma once

// A page canvas that draws nothing and records every call with its arguments
// and the drawing state in force (page, font, pen, fill), so the composition
// of a printout can be checked without a printer. It can also be told to fail
// at a chosen call, as a printer refusing a page would.

#include "printing/PageCanvas.h"

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace Printing {

struct CanvasFont {
    QString face;
    int pointSize = 0;
    bool bold = false;

    bool operator==(const CanvasFont&) const = default;
};

struct CanvasCall {
    enum class Kind {
        BeginDoc,
        NewPage,
        EndDoc,
        SetFont,
        SetPenWidth,
        SetFill,
        Rectangle,
        Pie,
        Line,
        Text
    };

    Kind kind = Kind::BeginDoc;
    QString text;               // document title (BeginDoc), written text (Text)
    std::vector<QPoint> points; // corners, box and ray points, or the text's top-left
    int page = -1;              // page of the document from 0; -1 outside one
    // Drawing state in force when the call was made (after it, for setters).
    CanvasFont font;
    int penWidth = 1;
    FillStyle fill = FillStyle::None;
    QColor fillColour = Qt::black;
};

class RecordingCanvas : public PageCanvas {
public:
    explicit RecordingCanvas(QSize printableSize = QSize(4800, 6888));

    QSize PrintableSize() const override { return m_size; }
    void BeginDoc(const QString& title) override;
    void NewPage() override;
    void EndDoc() override;
    void SetFont(const QString& face, int pointSize, bool bold) override;
    void SetPenWidth(int pixels) override;
    void SetFill(FillStyle style, const QColor& colour) override;
    void Rectangle(QPoint topLeft, QPoint bottomRight) override;
    void Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) override;
    void Line(QPoint from, QPoint to) override;
    void Text(QPoint topLeft, const QString& text) override;

    // The call with this zero-based number among all calls of `kind` throws
    // std::runtime_error(message) instead of being recorded.
    void FailAt(CanvasCall::Kind kind, int occurrence, const QString& message);

    const std::vector<CanvasCall>& Calls() const { return m_calls; }
    // The recorded calls of one kind, in order; Text calls optionally of one page.
    std::vector<CanvasCall> CallsOf(CanvasCall::Kind kind) const;
    std::vector<CanvasCall> Texts(std::optional<int> page = std::nullopt) const;
    std::optional<CanvasCall> FindText(const QString& text) const;
    // Pages of all documents together.
    int PageCount() const;
    bool DocumentOpen() const { return m_state.page >= 0; }

private:
    void Record(CanvasCall::Kind kind, const QString& text = {}, std::vector<QPoint> points = {});

    QSize m_size;
    std::vector<CanvasCall> m_calls;
    CanvasCall m_state; // page, font, pen and fill in force
    std::optional<CanvasCall::Kind> m_failKind;
    int m_failOccurrence = 0;
    QString m_failMessage;
};

} // namespace Printing
