// The advice window: its fixed layout, the memo as the store of the advice
// lines, and the modal display that leaves the lines in place.

#include "advice/Advicedl.h"
#include "resources/Fonts.h"
#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

const QStringList kSampleLines{
    QStringLiteral("  The first paragraph."),
    QStringLiteral(" "),
    QStringLiteral("        *   A measure with a trailing blank. "),
    QString(),
    QStringLiteral("  The last line."),
};

TEST(AdviceWindowTest, FixedLayoutAsDesigned) {
    TAdvice advice;
    EXPECT_EQ(advice.windowTitle(),
              QStringLiteral("Preliminary interpretation and proposed measures "));
    EXPECT_EQ(advice.size(), QSize(629, 490));
    EXPECT_EQ(advice.minimumSize(), advice.maximumSize());
    EXPECT_TRUE(advice.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(advice.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(advice.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    auto* memo = advice.findChild<QPlainTextEdit*>(QStringLiteral("MemoAdvice"));
    ASSERT_EQ(memo, advice.MemoAdvice);
    EXPECT_EQ(memo->geometry(), QRect(18, 30, 594, 387));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo->wordWrapMode(), QTextOption::WordWrap);
    EXPECT_EQ(memo->font().pixelSize(), 17);
    EXPECT_TRUE(QStringList({Fonts::SerifFace, Fonts::SerifFallback})
                    .contains(QFontInfo(memo->font()).family()))
        << QFontInfo(memo->font()).family().toStdString();

    auto* ok = advice.findChild<QPushButton*>(QStringLiteral("OKBtn"));
    ASSERT_EQ(ok, advice.OKBtn);
    EXPECT_EQ(ok->geometry(), QRect(265, 434, 103, 39));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->font().pixelSize(), 16);
    EXPECT_TRUE(ok->isDefault());
}

TEST(AdviceWindowTest, MemoBackgroundIsButtonFace) {
    TAdvice advice;
    QImage image(advice.MemoAdvice->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    advice.MemoAdvice->render(&image);
    // Middle of the empty memo, clear of the frame and the scroll bar.
    EXPECT_EQ(image.pixelColor(image.width() / 3, image.height() / 2),
              advice.palette().color(QPalette::Button));
}

TEST(AdviceWindowTest, LinesComeBackAsTheyWereSet) {
    TAdvice advice;
    EXPECT_TRUE(advice.Lines().isEmpty());

    advice.SetLines(kSampleLines);
    EXPECT_EQ(advice.Lines(), kSampleLines);

    // A line far wider than the memo wraps on screen but stays one line.
    const QStringList longLine{QStringLiteral("word ").repeated(60)};
    advice.SetLines(longLine);
    EXPECT_EQ(advice.Lines(), longLine);

    advice.SetLines({});
    EXPECT_TRUE(advice.Lines().isEmpty());
}

TEST(AdviceWindowTest, ShownModallyCentredAndClosedByOkKeepsTheLines) {
    TAdvice advice;
    advice.SetLines(kSampleLines);
    bool focusOnOk = false;
    QPoint centre;
    ModalCloser closer([&](QWidget* modal) {
        focusOnOk = QApplication::focusWidget() == advice.OKBtn;
        centre = modal->frameGeometry().center();
        advice.OKBtn->click();
    });
    EXPECT_EQ(advice.exec(), QDialog::Accepted);
    EXPECT_EQ(closer.Titles(),
              QStringList({QStringLiteral("Preliminary interpretation and proposed measures ")}));
    EXPECT_TRUE(focusOnOk);
    const QPoint screenCentre = advice.screen()->availableGeometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2);
    EXPECT_FALSE(advice.isVisible());
    EXPECT_EQ(advice.Lines(), kSampleLines);
}

TEST(AdviceWindowTest, ClosingTheWindowKeepsTheLinesToo) {
    TAdvice advice;
    advice.SetLines(kSampleLines);
    ModalCloser closer([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(advice.exec(), QDialog::Rejected);
    EXPECT_EQ(closer.Count(), 1);
    EXPECT_EQ(advice.Lines(), kSampleLines);
}

} // namespace
