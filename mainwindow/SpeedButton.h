#pragma once

// A flat toolbar button with a glyph. The glyph is drawn at the resolution of
// the surface actually painted on, which the painter's transform tells:
// sharp on a high density screen and also when the button is rendered into
// an image of a higher device-pixel ratio than its screen's.

#include <QToolButton>

class TSpeedButton : public QToolButton {
    Q_OBJECT

public:
    explicit TSpeedButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
