#pragma once

// The splash window: the title picture in a raised frame, without border or
// title bar and on top of other windows. It is shown and painted at once
// while the program builds its other windows, and its timer hides it five
// seconds after creation. Closing only hides it; it lives until the end.

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

class TSplashForm : public QWidget {
    Q_OBJECT

public:
    explicit TSplashForm(QWidget* parent = nullptr);

    // Centres the window, shows it and paints it before returning, so it is
    // visible while the caller goes on without returning to the event loop.
    void ShowAndPaint();

    // Runs on each tick of Timer1: closes (hides) the window.
    void Timer1Timer();

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
};
