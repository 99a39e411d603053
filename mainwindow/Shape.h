#pragma once

// A coloured square of the legend: filled with its brush and outlined with
// its pen. The pen is centred on the border inside the square, so a pen as
// wide as half the square covers all of it.

#include <QColor>
#include <QWidget>

class TShape : public QWidget {
    Q_OBJECT

public:
    explicit TShape(QWidget* parent = nullptr);

    void SetBrushColour(const QColor& colour);
    // A width of 0 draws the thinnest line, like a width of 1.
    void SetPen(const QColor& colour, int width);

    QColor BrushColour() const { return brush_; }
    QColor PenColour() const { return pen_; }
    int PenWidth() const { return penWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    int penWidth_ = 1;
};
