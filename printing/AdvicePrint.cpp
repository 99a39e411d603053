#include "printing/AdvicePrint.h"

#include "printing/GuardedDocument.h"
#include "printing/PageScale.h"
#include "resources/Fonts.h"

namespace Printing {

namespace {

const QString& kTextFace = Fonts::kSerifFace;
const QString Heading = QStringLiteral("Preliminary interpretation and proposed measures");

// Line i of a page starts 1120 + 300 * i units down; lines 0 to 52 fit on the
// 17220-unit page, line 53 would start only 200 units above its bottom edge.
constexpr int kLinesPerPage = 53;

// The patient's notes in the top right corner and the heading, then the text
// font for the advice lines.
void DrawPageHead(PageCanvas& canvas, const PageScale& s, const QStringList& notes) {
    canvas.SetFont(kTextFace, 10, false);
    const int x = s.X(9390);
    int row = 0;
    for (const QString& note : notes) {
        canvas.Text({x, s.Y(108 + 230 * row)}, note);
        ++row;
    }
    canvas.SetFont(kTextFace, 14, true);
    canvas.Text(s.At(1856, 130), Heading);
    canvas.SetFont(kTextFace, 12, false);
}

void DrawAdvicePages(PageCanvas& canvas, const PageScale& s, const QStringList& notes,
                     const QStringList& lines) {
    DrawPageHead(canvas, s, notes);
    const int x = s.X(1740);
    for (int i = 0; i < lines.size(); ++i) {
        const int onPage = i % kLinesPerPage;
        // Nothing of the text is dropped: what the first page cannot hold
        // continues on further pages laid out like the first. The heading is
        // repeated as it stands; a longer one could run into the notes.
        if (i > 0 && onPage == 0) {
            canvas.NewPage();
            DrawPageHead(canvas, s, notes);
        }
        const int y =
            Numeric::RoundToInt(Numeric::RoundToInt(300.0 * onPage * s.sy) + 1120.0 * s.sy);
        canvas.Text({x, y}, lines[i]);
    }
}

} // namespace

void PrintAdvice(PageCanvas& canvas, const QString& name, const QString& identNo,
                 const QString& date, const QString& examiner, const QStringList& adviceLines) {
    const PageScale scale = PageScale::ForPrintableSize(canvas.PrintableSize());
    // A private copy: the text printed is the text as it stood when printing began.
    const QStringList lines(adviceLines);
    const QStringList notes{name, identNo, date, examiner};

    PrintGuardedDocument(canvas, QStringLiteral("Dentiplot - ") + Heading,
                         [&] { DrawAdvicePages(canvas, scale, notes, lines); });
}

} // namespace Printing
