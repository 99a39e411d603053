#pragma once

// A page canvas that draws nothing and records each call as one line of text
// with the state in force, so that a printout compares as text and a
// difference reads plainly:
//   begin <title> | page | end
//   text <page> <B|R><points> x,y <text>     (the face only when not the serif one)
//   rect|pie <pen> <fill> x,y x,y [x,y x,y]  (fill: none, #rrggbb, horizontal, cross, diagonal)
//   line <pen> x,y x,y
// It can also be told to fail at a chosen call, as a printer refusing a page would.

#include "printing/PageCanvas.h"

#include <QStringList>

namespace Printing {

class RecordingCanvas : public PageCanvas {
public:
    explicit RecordingCanvas(QSize printableSize = QSize(4800, 6888)) : size_(printableSize) {}

    QSize PrintableSize() const override { return size_; }
    void BeginDoc(const QString& title) override;
    void NewPage() override;
    void EndDoc() override;
    void SetFont(const QString& face, int pointSize, bool bold) override;
    void SetPenWidth(int pixels) override { pen_ = QString::number(pixels); }
    void SetFill(FillStyle style, const QColor& colour) override;
    void Rectangle(QPoint topLeft, QPoint bottomRight) override;
    void Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) override;
    void Line(QPoint from, QPoint to) override;
    void Text(QPoint topLeft, const QString& text) override;

    // The call whose line would be the `occurrence`-th (from 0) starting with
    // `word` throws std::runtime_error(message) instead of being recorded.
    void FailAt(const QString& word, int occurrence, const QString& message);

    const QStringList& Lines() const { return lines_; }
    // The lines starting with `word`.
    QStringList Lines(const QString& word) const;
    bool DocumentOpen() const { return page_ >= 0; }

private:
    void Record(const QString& word, const QString& rest);

    QSize size_;
    QStringList lines_;
    int page_ = -1;
    QString font_;
    QString pen_ = QStringLiteral("1");
    QString fill_ = QStringLiteral("none");
    QString failWord_;
    int failOccurrence_ = 0;
    QString failMessage_;
};

} // namespace Printing
