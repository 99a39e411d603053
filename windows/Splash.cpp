#include "windows/Splash.h"

#include "resources/Glyphs.h"
#include "resources/ScreenCentre.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int ClientWidth = 618;
constexpr int ClientHeight = 595;
constexpr int BevelWidth = 2;
constexpr int TimeShownMs = 5000;

} // namespace

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(ClientWidth, ClientHeight);
    // The splash hiding itself must never end the program, even when the
    // main window is not open yet.
    setAttribute(Qt::WA_QuitOnClose, false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(BevelWidth);
    Panel1->setGeometry(0, 0, ClientWidth, ClientHeight);

    // The picture is a little larger than the space inside the bevel; it is
    // drawn unscaled from its top left corner and its edges are cut off.
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(BevelWidth, BevelWidth, ClientWidth - 2 * BevelWidth,
                        ClientHeight - 2 * BevelWidth);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(SplashPicture(devicePixelRatioF()));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TimeShownMs);
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
