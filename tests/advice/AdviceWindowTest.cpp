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

namespace {

const QStringList kSampleLines{
    QStringLiteral("  The first paragraph."),
    QStringLiteral(" "),
    QStringLiteral("        *   A measure with a trailing blank. "),
    QString(),
    QStringLiteral("  The last line."),
};

TEST(AdviceWindowTest, LinesComeBackAsTheyWereSetOnAButtonFaceMemo) {
    TAdvice advice;
    EXPECT_TRUE(advice.Lines().isEmpty());
    QImage image(advice.MemoAdvice->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    advice.MemoAdvice->render(&image);
    // Middle of the empty memo, clear of the frame and the scroll bar.
    EXPECT_EQ(image.pixelColor(image.width() / 3, image.height() / 2),
              advice.palette().color(QPalette::Button));

    advice.SetLines(kSampleLines);
    EXPECT_EQ(advice.Lines(), kSampleLines);
    // A line far wider than the memo wraps on screen but stays one line.
    const QStringList longLine{QStringLiteral("word ").repeated(60)};
    advice.SetLines(longLine);
    EXPECT_EQ(advice.Lines(), longLine);
    advice.SetLines({});
    EXPECT_TRUE(advice.Lines().isEmpty());
}

TEST(AdviceWindowTest, ShownModallyCentredWithTheFocusOnOkAndClosedByOk) {
    TAdvice advice;
    advice.SetLines(kSampleLines);
    bool focusOnOk = false;
    QRect frame;
    QString title;
    ModalCloser closer([&](QWidget* modal) {
        focusOnOk = QApplication::focusWidget() == advice.findChild<QPushButton*>("OKBtn");
        frame = modal->frameGeometry();
        title = modal->windowTitle();
        advice.OKBtn->click();
    });
    EXPECT_EQ(advice.exec(), QDialog::Accepted);
    EXPECT_EQ(title, QStringLiteral("Preliminary interpretation and proposed measures "));
    EXPECT_TRUE(focusOnOk);
    EXPECT_EQ(advice.size(), QSize(629, 490));
    EXPECT_EQ(advice.MemoAdvice, advice.findChild<QPlainTextEdit*>("MemoAdvice"));
    const QPoint screenCentre = advice.screen()->availableGeometry().center();
    EXPECT_LE((frame.center() - screenCentre).manhattanLength(), 2);
    EXPECT_EQ(advice.Lines(), kSampleLines);
}

} // namespace
