#pragma once

// A page canvas that draws nothing and writes each call as one line of text
// into a log, with the state in force, so that a printout compares as text and
// a difference reads plainly:
//   begin <title> | page | end
//   text <B|R><points> x,y <text>            (the face only when not the serif one)
//   rect|pie <pen> <fill> x,y x,y [x,y x,y]  (fill: none, #rrggbb, horizontal, cross, diagonal)
//   line <pen> x,y x,y
// Like a printer that stops taking work, it can refuse every call from a
// chosen line of the log on: the call is logged as "refused <line>" and throws
// std::runtime_error("refused <first word>").

#include "printing/PageCanvas.h"
#include "resources/Fonts.h"

#include <QStringList>
#include <stdexcept>

namespace Printing {

class RecordingCanvas : public PageCanvas {
public:
    // Logs into `log`, or into a log of its own when none is given.
    explicit RecordingCanvas(QStringList* log = nullptr, qsizetype refuseFrom = -1)
        : log_(log ? log : &own_), refuseFrom_(refuseFrom) {}

    // A quarter pixel per page unit across and half a pixel down, so that
    // positions show how each term is rounded.
    QSize PrintableSize() const override { return {3000, 8610}; }
    void BeginDoc(const QString& title) override { Log("begin " + title); }
    void NewPage() override { Log("page"); }
    void EndDoc() override { Log("end"); }
    void SetFont(const QString& face, int pointSize, bool bold) override {
        font_ = (face == Fonts::kSerifFace ? QString() : face + ' ') + (bold ? 'B' : 'R') +
                QString::number(pointSize);
    }
    void SetPenWidth(int pixels) override { pen_ = QString::number(pixels); }
    void SetFill(FillStyle style, const QColor& colour) override {
        const char* const names[] = {"none", "", "horizontal", "cross", "diagonal"};
        fill_ = style == FillStyle::Solid ? colour.name() : names[int(style)];
    }
    void Rectangle(QPoint topLeft, QPoint bottomRight) override {
        Log("rect " + pen_ + ' ' + fill_ + Points({topLeft, bottomRight}));
    }
    void Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) override {
        Log("pie " + pen_ + ' ' + fill_ + Points({boxTopLeft, boxBottomRight, start, end}));
    }
    void Line(QPoint from, QPoint to) override { Log("line " + pen_ + Points({from, to})); }
    void Text(QPoint topLeft, const QString& text) override {
        Log("text " + font_ + Points({topLeft}) + ' ' + text);
    }

    const QStringList& Lines() const { return *log_; }

private:
    static QString Points(std::initializer_list<QPoint> points) {
        QString text;
        for (const QPoint& point : points) {
            text += QStringLiteral(" %1,%2").arg(point.x()).arg(point.y());
        }
        return text;
    }

    void Log(const QString& line) {
        if (refuseFrom_ >= 0 && log_->size() >= refuseFrom_) {
            *log_ << "refused " + line;
            throw std::runtime_error("refused " + line.section(' ', 0, 0).toStdString());
        }
        *log_ << line;
    }

    QStringList own_;
    QStringList* log_;
    qsizetype refuseFrom_;
    QString font_;
    QString pen_ = QStringLiteral("1");
    QString fill_ = QStringLiteral("none");
};

} // namespace Printing
