#include "windows/Splash.h"

#include "resources/Glyphs.h"
#include "resources/ScreenCentre.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kClientWidth = 618;
constexpr int kClientHeight = 595;
constexpr int kBevelWidth = 2;
constexpr int kTimeShownMs = 5000;

} // namespace

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(kClientWidth, kClientHeight);
    // The splash hiding itself must never end the program, even when the
    // main window is not open yet.
    setAttribute(Qt::WA_QuitOnClose, false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(kBevelWidth);
    Panel1->setGeometry(0, 0, kClientWidth, kClientHeight);

    // The picture is a little larger than the space inside the bevel; it is
    // drawn unscaled from its top left corner and its edges are cut off.
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kBevelWidth, kBevelWidth, kClientWidth - 2 * kBevelWidth,
                        kClientHeight - 2 * kBevelWidth);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(SplashPicture(devicePixelRatioF()));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimeShownMs);
    connect(Timer1, &QTimer::timeout, this, &TSplashForm::Timer1Timer);
    Timer1->start();
}

void TSplashForm::ShowAndPaint() {
    CentreOnScreen(*this);
    show();
    repaint();
    // Let the window system map and draw the window now; the caller keeps
    // the user-interface thread busy building the other windows.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TSplashForm::Timer1Timer() {
    close();
}
