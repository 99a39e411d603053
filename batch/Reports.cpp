#include "batch/Reports.h"

#include "mainwindow/SelectorItems.h"
#include "printing/AdvicePrint.h"
#include "printing/PageScale.h"
#include "printing/PdfCanvas.h"
#include "printing/Utskrift.h"

#include <QRect>
#include <QRegularExpression>
#include <map>

namespace Batch {

namespace {

// Turns the two documents the printouts begin and end into one: the second
// document continues on a new page of the first, and the whole ends when
// Finish is called.
class ContinuedDocument final : public Printing::PageCanvas {
public:
    explicit ContinuedDocument(Printing::PageCanvas& pdf) : pdf_(pdf) {}

    void Finish() { pdf_.EndDoc(); }

    QSize PrintableSize() const override { return pdf_.PrintableSize(); }
    void BeginDoc(const QString& title) override {
        if (begun_) {
            pdf_.NewPage();
        } else {
            pdf_.BeginDoc(title);
            begun_ = true;
        }
    }
    void NewPage() override { pdf_.NewPage(); }
    void EndDoc() override {}
    void SetFont(const QString& face, int pointSize, bool bold) override {
        pdf_.SetFont(face, pointSize, bold);
    }
    void SetPenWidth(int pixels) override { pdf_.SetPenWidth(pixels); }
    void SetFill(Printing::FillStyle style, const QColor& colour) override {
        pdf_.SetFill(style, colour);
    }
    void Rectangle(QPoint topLeft, QPoint bottomRight) override {
        pdf_.Rectangle(topLeft, bottomRight);
    }
    void Pie(QPoint boxTopLeft, QPoint boxBottomRight, QPoint start, QPoint end) override {
        pdf_.Pie(boxTopLeft, boxBottomRight, start, end);
    }
    void Line(QPoint from, QPoint to) override { pdf_.Line(from, to); }
    void Text(QPoint topLeft, const QString& text) override { pdf_.Text(topLeft, text); }

private:
    Printing::PageCanvas& pdf_;
    bool begun_ = false;
};

QString CellText(const std::vector<std::string>& cells, int column) {
    if (column < 0 || column >= static_cast<int>(cells.size())) {
        return {};
    }
    return QString::fromStdString(cells[column]);
}

} // namespace

QPageLayout ReportLayout(QPageSize::PageSizeId paper) {
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

Printing::ReportData ReportDataFor(const RowOutcome& outcome, const Columns& columns,
                                   const std::vector<std::string>& cells, const ReportPage& page) {
    using namespace Printing;
    ReportData data;
    const PageScale scale =
        PageScale::ForPrintableSize(page.layout.paintRectPixels(page.resolution).size());
    data.sx = scale.sx;
    data.sy = scale.sy;
    data.scoreTexts = RowJudge::ScoreTextsOf(outcome);
    data.countryAreaText = SelectorItems::Texts().at(outcome.countryArea - 1);
    data.groupText = SelectorItems::Texts().at(outcome.group - 1);
    data.percentages = {outcome.shares.Chance, outcome.shares.Diet, outcome.shares.Bacteria,
                        outcome.shares.Susceptibility, outcome.shares.Circumstances};
    data.percentTexts = PercentTexts(data.percentages);
    data.name = CellText(cells, columns.name);
    data.identNo = CellText(cells, columns.identNo);
    data.date = CellText(cells, columns.date);
    data.examiner = CellText(cells, columns.examiner);
    const QString comments = CellText(cells, columns.comments);
    if (!comments.isEmpty()) {
        static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
        data.commentLines = comments.split(lineBreak);
    }
    data.colourMode = page.colour;
    return data;
}

QByteArray RenderReport(const Printing::ReportData& data, const QStringList& adviceLines,
                        const ReportPage& page) {
    QByteArray document;
    Printing::PdfCanvas pdf(
        page.layout, page.resolution,
        [&document](const QString&, const QByteArray& finished) { document = finished; });
    ContinuedDocument both(pdf);
    Printing::PrintReport(both, data);
    Printing::PrintAdvice(both, data.name, data.identNo, data.date, data.examiner, adviceLines);
    both.Finish();
    return document;
}

std::vector<std::string> ReportFileNames(const std::vector<std::string>& identNos,
                                         const std::vector<long long>& rows) {
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1F]"));
    std::vector<std::string> names(identNos.size());
    std::map<std::string, int> uses;
    for (std::size_t i = 0; i < identNos.size(); ++i) {
        QString name = QString::fromStdString(identNos[i]).trimmed();
        name.replace(unsafe, QStringLiteral("_"));
        // No hidden files and no "." or "..".
        if (name.startsWith(QLatin1Char('.'))) {
            name.replace(0, 1, QLatin1Char('_'));
        }
        // A name of the row-number form is kept for the rows without one.
        static const QRegularExpression rowForm(QStringLiteral("^row-[0-9]+$"));
        if (!name.isEmpty() && !rowForm.match(name).hasMatch()) {
            names[i] = name.toStdString() + ".pdf";
            ++uses[names[i]];
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty() || uses[names[i]] > 1) {
            names[i] = "row-" + std::to_string(rows[i]) + ".pdf";
        }
    }
    return names;
}

} // namespace Batch
