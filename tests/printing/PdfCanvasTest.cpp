// The canvas that draws each print job as a PDF and hands it on when the
// document ends.

#include "printing/PdfCanvas.h"

#include <QPageSize>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Printing::PdfCanvas;

struct Handed {
    QString title;
    QByteArray pdf;
};

QPageLayout A4WithMargins() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(5.0, 5.0, 5.0, 5.0), QPageLayout::Millimeter);
}

int PagesIn(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

TEST(PdfCanvas, PrintableSizeIsThePaperLessItsMarginsAtTheResolution) {
    const PdfCanvas canvas(A4WithMargins(), 600, nullptr);
    // A4 is 210 by 297 mm; less 10 mm each way at 600 dpi (Qt rounds A4 to
    // whole points, hence the tolerance).
    EXPECT_NEAR(canvas.PrintableSize().width(), 200 / 25.4 * 600, 6);
    EXPECT_NEAR(canvas.PrintableSize().height(), 287 / 25.4 * 600, 6);
}

TEST(PdfCanvas, EachDocumentIsHandedOnWholeWithItsTitleAndPages) {
    std::vector<Handed> handed;
    PdfCanvas canvas(A4WithMargins(), 600, [&](const QString& title, const QByteArray& pdf) {
        handed.push_back({title, pdf});
    });
    canvas.BeginDoc("Report");
    canvas.SetFont("Times New Roman", 10, false);
    canvas.Text({100, 100}, "first page");
    canvas.NewPage();
    canvas.Text({100, 100}, "second page");
    EXPECT_TRUE(handed.empty()) << "nothing goes out before the document ends";
    canvas.EndDoc();
    canvas.BeginDoc("Advice");
    canvas.EndDoc();

    ASSERT_EQ(handed.size(), 2u);
    EXPECT_EQ(handed[0].title, "Report");
    EXPECT_TRUE(handed[0].pdf.startsWith("%PDF"));
    EXPECT_EQ(PagesIn(handed[0].pdf), 2);
    EXPECT_EQ(handed[1].title, "Advice");
    EXPECT_EQ(PagesIn(handed[1].pdf), 1);
}

TEST(PdfCanvas, RefusesASecondDocumentAndDrawingOutsideOne) {
    PdfCanvas canvas(A4WithMargins(), 300, nullptr);
    EXPECT_THROW(canvas.Text({0, 0}, "x"), std::runtime_error);
    EXPECT_THROW(canvas.NewPage(), std::runtime_error);
    EXPECT_THROW(canvas.EndDoc(), std::runtime_error);
    canvas.BeginDoc("one");
    try {
        canvas.BeginDoc("two");
        FAIL() << "a second document began";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Printing in progress");
    }
    canvas.EndDoc();
    EXPECT_THROW(canvas.Line({0, 0}, {1, 1}), std::runtime_error);
}

TEST(PdfCanvas, ARefusedDocumentIsReportedAndLeavesTheCanvasReady) {
    int offered = 0;
    PdfCanvas canvas(A4WithMargins(), 300, [&](const QString&, const QByteArray&) {
        ++offered;
        throw std::runtime_error("The printer or class is not accepting jobs.");
    });
    canvas.BeginDoc("refused");
    try {
        canvas.EndDoc();
        FAIL() << "the refusal was swallowed";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "The printer or class is not accepting jobs.");
    }
    EXPECT_NO_THROW(canvas.BeginDoc("next"));
    EXPECT_THROW(canvas.EndDoc(), std::runtime_error);
    EXPECT_EQ(offered, 2);
}

TEST(PdfCanvas, AnAbandonedDocumentIsNotSent) {
    int offered = 0;
    {
        PdfCanvas canvas(A4WithMargins(), 300,
                         [&](const QString&, const QByteArray&) { ++offered; });
        canvas.BeginDoc("abandoned");
        canvas.Text({0, 0}, "never printed");
    }
    EXPECT_EQ(offered, 0);
}

} // namespace
