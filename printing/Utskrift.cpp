#include "printing/Utskrift.h"

#include "notes/PageCount.h"
#include "printing/GuardedDocument.h"
#include "printing/PageScale.h"
#include "resources/Fonts.h"
#include "resources/SectorPalette.h"

#include <QChar>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace Printing {

namespace {

const QString& kTextFace = Fonts::kSerifFace;

PageScale ScaleOf(const ReportData& data) {
    return {data.sx, data.sy};
}

// ---------------------------------------------------------------------------
// Chart geometry, in page units

constexpr double kPieCentreX = 6939.0;
constexpr double kPieCentreY = 4670.0;
constexpr double kPieRadius = 1510.0;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// One sector of the printed pie: its centre (the chance sector is pulled
// out) and its angles, counter-clockwise from three o'clock.
struct SectorArc {
    Sector sector;
    double centreX;
    double centreY;
    double start;
    double end;
};

// The five sectors in the order they follow each other round the pie:
// chance, circumstances, susceptibility, bacteria, diet. The boundaries come
// from the unrounded percentages; diet always closes the pie at three o'clock.
std::array<SectorArc, kSectorCount> PieSectors(const ReportData& data) {
    const auto& p = data.percentages;
    const double c = p[ChanceSector];
    const double a1 = c * kTwoPi / 100.0;
    const double a2 = (c + p[CircumstancesSector]) * kTwoPi / 100.0;
    const double a3 = (c + p[CircumstancesSector] + p[SusceptibilitySector]) * kTwoPi / 100.0;
    const double a4 =
        (c + p[CircumstancesSector] + p[SusceptibilitySector] + p[BacteriaSector]) * kTwoPi / 100.0;

    // The chance sector moves out along its bisector by a fifth of the radius,
    // in whole page units.
    const double pull = kPieRadius * 0.2;
    const double chanceX = kPieCentreX + Numeric::RoundToInt(std::cos(a1 / 2.0) * pull);
    const double chanceY = kPieCentreY - Numeric::RoundToInt(std::sin(a1 / 2.0) * pull);

    return {{
        {ChanceSector, chanceX, chanceY, 0.0, a1},
        {CircumstancesSector, kPieCentreX, kPieCentreY, a1, a2},
        {SusceptibilitySector, kPieCentreX, kPieCentreY, a2, a3},
        {BacteriaSector, kPieCentreX, kPieCentreY, a3, a4},
        {DietSector, kPieCentreX, kPieCentreY, a4, kTwoPi},
    }};
}

// Point at `angle` on the circle of the pie radius round (cx, cy), in pixels.
// Three o'clock is taken exactly, so the pie closes on the same pixel it opened.
QPoint ArcPoint(const PageScale& scale, double cx, double cy, double angle) {
    if (angle == 0.0 || angle == kTwoPi) {
        return scale.At(cx + kPieRadius, cy);
    }
    return scale.At(cx + std::cos(angle) * kPieRadius, cy - std::sin(angle) * kPieRadius);
}

// Whether a sector has anything to draw. A sector of no or negative extent
// (a chance of 0 or below) is left out: a slice whose two rays coincide
// would be taken for the whole disc. For the same reason a sliver too thin
// to separate its two rays on the device is left out, while a sector that
// really is the whole disc is kept.
bool SectorVisible(const SectorArc& arc, QPoint start, QPoint end) {
    const double sweep = arc.end - arc.start;
    if (sweep <= 0.0) {
        return false;
    }
    return start != end || sweep > std::numbers::pi;
}

// ---------------------------------------------------------------------------
// Sector styles

// The report's sectors are numbered as the palette's.
static_assert(static_cast<std::size_t>(ChanceSector) == SectorIndex::Chance &&
              static_cast<std::size_t>(DietSector) == SectorIndex::Diet &&
              static_cast<std::size_t>(BacteriaSector) == SectorIndex::Bacteria &&
              static_cast<std::size_t>(SusceptibilitySector) == SectorIndex::Susceptibility &&
              static_cast<std::size_t>(CircumstancesSector) == SectorIndex::Circumstances);

// Colour: solid in the sector colour. Black and white: a pattern per sector.
void SetSectorFill(PageCanvas& canvas, Sector sector, bool colourMode) {
    if (colourMode) {
        canvas.SetFill(FillStyle::Solid, kSectorColours[static_cast<std::size_t>(sector)]);
        return;
    }
    switch (sector) {
    case ChanceSector:
        canvas.SetFill(FillStyle::None);
        break;
    case DietSector:
        canvas.SetFill(FillStyle::DiagonalCross);
        break;
    case BacteriaSector:
        canvas.SetFill(FillStyle::Solid, Qt::black);
        break;
    case SusceptibilitySector:
        canvas.SetFill(FillStyle::Horizontal);
        break;
    case CircumstancesSector:
        canvas.SetFill(FillStyle::Cross);
        break;
    }
}

QString PercentLabel(const QString& percentText) {
    return percentText + QStringLiteral(" %");
}

// ---------------------------------------------------------------------------
// Comments

bool HasVisibleText(const QStringList& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const QString& line) {
        return std::any_of(line.begin(), line.end(),
                           [](QChar ch) { return ch.unicode() > QChar(u' ').unicode(); });
    });
}

} // namespace

void PrintReport(PageCanvas& canvas, const ReportData& data) {
    PrintGuardedDocument(canvas, QStringLiteral("Dentiplot"), [&] {
        DrawTitle(canvas, data);
        DrawLegend(canvas, data);
        DrawSelectors(canvas, data);
        DrawPie(canvas, data);
        DrawPieLabels(canvas, data);
        DrawFactorTable(canvas, data);
        DrawIdentification(canvas, data);
        DrawComments(canvas, data);
    });
}

void DrawTitle(PageCanvas& canvas, const ReportData& data) {
    const PageScale s = ScaleOf(data);
    canvas.SetFont(kTextFace, 18, true);
    canvas.Text(s.At(5000, 200), QStringLiteral("Dentiplot"));
}

void DrawLegend(PageCanvas& canvas, const ReportData& data) {
    const PageScale s = ScaleOf(data);
    const int x0 = s.X(1420);
    const int y0 = s.Y(4500);
    const int w = s.X(325);
    const int h = s.Y(325);
    const int g = s.Y(150);
    const int d = s.Y(20);

    // Frame, and the rule between the names and the percentages.
    const QPoint frameTopLeft(x0 - s.X(140), y0 - s.Y(180));
    const QPoint frameBottomRight(frameTopLeft.x() + s.X(2930), frameTopLeft.y() + s.Y(2730));
    canvas.SetPenWidth(6);
    canvas.SetFill(FillStyle::None);
    canvas.Rectangle(frameTopLeft, frameBottomRight);
    canvas.SetPenWidth(2);
    const int ruleX = x0 + s.X(2100);
    canvas.Line({ruleX, frameTopLeft.y()}, {ruleX, frameBottomRight.y()});

    // The legend lists the sectors in its own order; the chance box has a full
    // box height below it, the others the smaller gap.
    struct Row {
        Sector sector;
        int boxTop;
    };
    const std::array<Row, kSectorCount> rows = {{
        {ChanceSector, y0},
        {DietSector, y0 + 2 * h},
        {BacteriaSector, y0 + 3 * h + g},
        {SusceptibilitySector, y0 + 4 * h + 2 * g},
        {CircumstancesSector, y0 + 5 * h + 3 * g},
    }};
    for (const Row& row : rows) {
        SetSectorFill(canvas, row.sector, data.colourMode);
        canvas.Rectangle({x0, row.boxTop}, {x0 + w, row.boxTop + h});
    }

    canvas.SetFont(kTextFace, 10, false);
    const int nameX = x0 + s.X(465);
    canvas.Text({nameX, y0 - s.Y(90)}, QStringLiteral("Actual chance to"));
    canvas.Text({nameX, y0 + s.Y(140)}, QStringLiteral("avoid new cavities"));
    canvas.Text({nameX, rows[1].boxTop + d}, QStringLiteral("Diet"));
    canvas.Text({nameX, rows[2].boxTop + d}, QStringLiteral("Bacteria"));
    canvas.Text({nameX, rows[3].boxTop + d}, QStringLiteral("Susceptibility"));
    canvas.Text({nameX, rows[4].boxTop + d}, QStringLiteral("Circumstances"));

    // A one-digit percentage moves right to stand under the units of the
    // longer ones.
    const int percentX = nameX + s.X(1775);
    for (const Row& row : rows) {
        const QString& text = data.percentTexts[row.sector];
        const int x = percentX + (text.size() == 1 ? s.X(104) : 0);
        const int y = row.sector == ChanceSector ? row.boxTop : row.boxTop + d;
        canvas.Text({x, y}, PercentLabel(text));
    }
}

void DrawSelectors(PageCanvas& canvas, const ReportData& data) {
    const PageScale s = ScaleOf(data);
    const int x = s.X(9406);
    const int y = s.Y(1620);
    canvas.SetFont(kTextFace, 10, false);
    canvas.Text({x, y}, QStringLiteral("Country/area:"));
    canvas.Text({x + s.X(1345), y}, data.countryAreaText);
    canvas.Text({x, y + s.Y(300)}, QStringLiteral("Group:"));
    canvas.Text({x + s.X(1339), y + s.Y(300)}, data.groupText);
}

void DrawPie(PageCanvas& canvas, const ReportData& data) {
    const PageScale s = ScaleOf(data);
    canvas.SetPenWidth(5);
    for (const SectorArc& arc : PieSectors(data)) {
        const QPoint start = ArcPoint(s, arc.centreX, arc.centreY, arc.start);
        const QPoint end = ArcPoint(s, arc.centreX, arc.centreY, arc.end);
        if (!SectorVisible(arc, start, end)) {
            continue;
        }
        SetSectorFill(canvas, arc.sector, data.colourMode);
        canvas.Pie(s.At(arc.centreX - kPieRadius, arc.centreY - kPieRadius),
                   s.At(arc.centreX + kPieRadius, arc.centreY + kPieRadius), start, end);
    }
}

void DrawPieLabels(PageCanvas& canvas, const ReportData& data) {
    const PageScale s = ScaleOf(data);
    const double quarter = std::numbers::pi / 4.0;
    const double originX = kPieCentreX - Numeric::RoundToInt(std::cos(quarter) * kPieRadius * 0.3);
    const double originY = kPieCentreY - Numeric::RoundToInt(std::sin(quarter) * kPieRadius * 0.1);
    const double labelRadius = Numeric::RoundToInt(1.25 * kPieRadius);

    canvas.SetFont(kTextFace, 12, true);
    for (const SectorArc& arc : PieSectors(data)) {
        const double middle = arc.start + (arc.end - arc.start) / 2.0;
        // The pulled-out chance sector carries its label further out.
        const double rho = arc.sector == ChanceSector ? 1.2 * labelRadius : labelRadius;
        canvas.Text(s.At(originX + std::cos(middle) * rho, originY - std::sin(middle) * rho),
                    PercentLabel(data.percentTexts[arc.sector]));
    }
}

void DrawFactorTable(PageCanvas& canvas, const ReportData& data) {
    const PageScale s = ScaleOf(data);
    const int x0 = s.X(9753);
    const int y0 = s.Y(3647);
    const int rh = s.Y(350);
    const int nameWidth = s.X(1475);
    const auto halfRows = [rh](double rows) { return Numeric::RoundToInt(rows * rh); };

    const int top = y0 - s.Y(110);
    const int bottom = y0 + halfRows(9.5) + s.Y(310);
    canvas.SetPenWidth(6);
    canvas.SetFill(FillStyle::None);
    canvas.Rectangle({x0 - s.X(110), top}, {x0 + nameWidth + s.X(520), bottom});
    canvas.SetPenWidth(2);
    const int ruleX = x0 + nameWidth + s.X(120);
    canvas.Line({ruleX, top}, {ruleX, bottom});

    // "Mutans streptococci" takes two lines half a row apart, with its score
    // on the second; the rows below it stand at half-row positions.
    struct Row {
        const char* name;
        int y;
        int factor; // index into the score texts, -1 for none
    };
    const std::array<Row, 11> rows = {{
        {"Caries experience", y0, 0},
        {"Related diseases", y0 + rh, 1},
        {"Diet, contents", y0 + 2 * rh, 2},
        {"Diet, frequency", y0 + 3 * rh, 3},
        {"Plaque amount", y0 + 4 * rh, 4},
        {"Mutans", y0 + 5 * rh, -1},
        {"streptococci", y0 + halfRows(5.5), 5},
        {"Fluoride program", y0 + halfRows(6.5), 6},
        {"Saliva secretion", y0 + halfRows(7.5), 7},
        {"Buffer capacity", y0 + halfRows(8.5), 8},
        {"Clin. judgement", y0 + halfRows(9.5), 9},
    }};
    canvas.SetFont(kTextFace, 10, false);
    const int scoreX = x0 + nameWidth + s.X(235);
    for (const Row& row : rows) {
        canvas.Text({x0, row.y}, QString::fromLatin1(row.name));
        if (row.factor >= 0) {
            canvas.Text({scoreX, row.y}, data.scoreTexts[row.factor]);
        }
    }
}

void DrawIdentification(PageCanvas& canvas, const ReportData& data) {
    const PageScale s = ScaleOf(data);
    canvas.SetFont(kTextFace, 12, true);
    canvas.Text(s.At(1280, 1620), QStringLiteral("Name:"));
    canvas.Text(s.At(1280, 2020), QStringLiteral("Ident.No.:"));
    canvas.Text(s.At(1280, 2420), QStringLiteral("Date:"));
    canvas.Text(s.At(1280, 2820), QStringLiteral("Examiner:"));
    canvas.SetFont(kTextFace, 10, false);
    canvas.Text(s.At(2714, 1665), data.name);
    canvas.Text(s.At(2714, 2065), data.identNo);
    canvas.Text(s.At(2714, 2465), data.date);
    canvas.Text(s.At(2714, 2865), data.examiner);
}

void DrawComments(PageCanvas& canvas, const ReportData& data) {
    if (!HasVisibleText(data.commentLines)) {
        return;
    }
    const PageScale s = ScaleOf(data);
    const int x = s.X(1280);
    const int step = s.Y(255);

    canvas.SetFont(kTextFace, 12, true);
    canvas.Text(s.At(1280, 8245), QStringLiteral("Comments"));
    canvas.SetFont(kTextFace, 10, false);

    int onPage = 0; // lines so far on the current continuation page
    for (int i = 0; i < data.commentLines.size(); ++i) {
        const QString& line = data.commentLines[i];
        if (i < PageCount::kFirstPageLines) {
            canvas.Text({x, s.Y(8670) + i * step}, line);
            continue;
        }
        if ((i - PageCount::kFirstPageLines) % PageCount::kFurtherPageLines == 0) {
            canvas.NewPage();
            canvas.SetFont(kTextFace, 12, true);
            canvas.Text(s.At(1280, 300), QStringLiteral("Comments (cont.)"));
            canvas.SetFont(kTextFace, 10, false);
            onPage = 0;
        }
        canvas.Text({x, s.Y(715) + onPage * step}, line);
        ++onPage;
    }
}

} // namespace Printing
