// The advice window: the memo as the store of the advice lines, and the modal
// display that leaves the lines in place.

#include "advice/Advicedl.h"
#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

TEST(AdviceWindowTest, KeepsItsLinesAsSetAndIsShownCentredUntilOk) {
    TAdvice advice;
    EXPECT_TRUE(advice.Lines().isEmpty());
    QImage image(advice.MemoAdvice->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    advice.MemoAdvice->render(&image);
    // Middle of the empty memo, clear of the frame and the scroll bar.
    EXPECT_EQ(image.pixelColor(image.width() / 3, image.height() / 2),
              advice.palette().color(QPalette::Button));

    // Blanks at both ends, empty lines, and a line that wraps on screen.
    const QStringList lines{"  The first paragraph.", " ", "        *   A measure. ", QString(),
                            QStringLiteral("word ").repeated(60)};
    advice.SetLines(lines);
    bool focusOnOk = false;
    QRect frame;
    const ModalCloser closer([&](QWidget* modal) {
        focusOnOk = QApplication::focusWidget() == advice.findChild<QPushButton*>("OKBtn");
        frame = modal->frameGeometry();
        advice.OKBtn->click();
    });
    EXPECT_EQ(advice.exec(), QDialog::Accepted);
    EXPECT_EQ(advice.windowTitle(), "Preliminary interpretation and proposed measures ");
    EXPECT_TRUE(focusOnOk);
    EXPECT_EQ(advice.size(), QSize(629, 490));
    EXPECT_EQ(advice.MemoAdvice, advice.findChild<QPlainTextEdit*>("MemoAdvice"));
    const QPoint screenCentre = advice.screen()->availableGeometry().center();
    EXPECT_LE((frame.center() - screenCentre).manhattanLength(), 2);
    EXPECT_EQ(advice.Lines(), lines);
}
