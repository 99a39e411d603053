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
    explicit RecordingCanvas(QSize printableSize = QSize(4800, 6888)) : m_size(printableSize) {}

    QSize PrintableSize() const override { return m_size; }
    void BeginDoc(const QString& title) override;
    void NewPage() override;
    void EndDoc() override;
    void SetFont(const QString& face, int pointSize, bool bold) override;
    void SetPenWidth(int pixels) override { m_pen = QString::number(pixels); }
    void SetFill(FillStyle style, const QColor& colour) override;
    void Rectangle(QPoint topLeft, QPoint bottomRight) override;
    void Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) override;
    void Line(QPoint from, QPoint to) override;
    void Text(QPoint topLeft, const QString& text) override;

    // The call whose line would be the `occurrence`-th (from 0) starting with
    // `word` throws std::runtime_error(message) instead of being recorded.
    void FailAt(const QString& word, int occurrence, const QString& message);

    const QStringList& Lines() const { return m_lines; }
    // The lines starting with `word`.
    QStringList Lines(const QString& word) const;
    bool DocumentOpen() const { return m_page >= 0; }

private:
    void Record(const QString& word, const QString& rest);

    QSize m_size;
    QStringList m_lines;
    int m_page = -1;
    QString m_font;
    QString m_pen = QStringLiteral("1");
    QString m_fill = QStringLiteral("none");
    QString m_failWord;
    int m_failOccurrence = 0;
    QString m_failMessage;
};

} // namespace Printing
