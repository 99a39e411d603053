#include "mainwindow/FactorRows.h"

#include <QStringList>

namespace FactorRows {

namespace {

QString Lines(const QStringList& lines) {
    return lines.join(QLatin1Char('\n'));
}

std::array<Row, kRowCount> MakeRows() {
    return {{
        {QStringLiteral("Caries experience"), 13,
         Lines({QStringLiteral("Past caries experience, including cavities, fillings and"),
                QStringLiteral("missing teeth due to caries. Several new cavities"),
                QStringLiteral("definitely appearing during preceding year should give"),
                QStringLiteral("score \"3\" even if number of fillings is low.")}),
         QStringLiteral("0-3"),
         Lines({QStringLiteral("0 = Cariesfree and no fillings"),
                QStringLiteral("1 = Better status than normal"),
                QStringLiteral("2 = Normal for age group"),
                QStringLiteral("3 = Worse than normal")}),
         3, 16},
        {QStringLiteral("Related diseases"), 13,
         Lines({QStringLiteral("General diseases or conditions"),
                QStringLiteral("associated with caries.")}),
         QStringLiteral("0-2"),
         Lines({QStringLiteral("0 = No disease"),
                QStringLiteral("1 = Disease/conditions, mild degree"),
                QStringLiteral("2 = Severe degree, long-lasting")}),
         2, 63},
        {QStringLiteral("Diet, contents"), 15,
         Lines({QStringLiteral("Estimation of the cariogenicity of the food,"),
                QStringLiteral("in particular the content of fermentable carbohydrates.")}),
         QStringLiteral("0-3"),
         Lines({QStringLiteral("Content of fermentable carbohydrates:"),
                QStringLiteral("0 = Very low (lowest lactobacillus count)"),
                QStringLiteral("1 = Low, \"non-cariogenic\" diet"), QStringLiteral("2 = Moderate"),
                QStringLiteral("3 = High, inappropriate diet")}),
         3, 109},
        {QStringLiteral("Diet, frequency"), 13,
         Lines({QStringLiteral("Estimation of number of meals and snacks"),
                QStringLiteral("per day, mean for \"normal days\".")}),
         QStringLiteral("0-3"),
         Lines({QStringLiteral("Intakes per day, incl. snacks:"),
                QStringLiteral("Score 0:   0 - 3 intakes"),
                QStringLiteral("Score 1:   4 - 5 intakes"),
                QStringLiteral("Score 2:   6 - 7 intakes"),
                QStringLiteral("Score 3:   More than 7 intakes")}),
         3, 156},
        {QStringLiteral("Plaque amount"), 13,
         Lines({QStringLiteral("Estimation of oral hygiene, for example according to Silness-"),
                QStringLiteral("Löe Plaque Index (PI). Crowded teeth leading to difficulties"),
                QStringLiteral("in removing plaque interproximally should be taken into"),
                QStringLiteral("account (can give high PI score even if buccal surfaces are"),
                QStringLiteral("plaque-free).")}),
         QStringLiteral("0-3"),
         Lines({QStringLiteral("0 = Extremely good oral hygiene, Plaque Index = 0"),
                QStringLiteral("1 = Good oral hygiene, PI = 1"),
                QStringLiteral("2 = Less good oral hygiene, PI= 2"),
                QStringLiteral("3 = Oral hygiene poor, PI = 3")}),
         3, 202},
        {QStringLiteral("Mutans streptococci"), 13,
         Lines({QStringLiteral("Estimation of levels of Mutans streptococci (Streptococcus"),
                QStringLiteral("mutans, Streptococcus sobrinus) in saliva, for example using"),
                QStringLiteral("the Strip mutans test.")}),
         QStringLiteral("0-3"),
         Lines({QStringLiteral("0 = Strip mutans class 0"),
                QStringLiteral("1 = Strip mutans class 1"),
                QStringLiteral("2 = Strip mutans class 2"),
                QStringLiteral("3 = Strip mutans class 3")}),
         3, 249},
        {QStringLiteral("Fluoride program"), 13,
         Lines({QStringLiteral("Estimation of to what extent fluoride is available"),
                QStringLiteral("in the oral cavity over the time period.")}),
         QStringLiteral("0-3"),
         Lines({QStringLiteral("0 = Receives \"maximum\" fluoride program"),
                QStringLiteral("1 = Additional F measures, infrequently"),
                QStringLiteral("2 = Fluoride toothpaste, no supplements"),
                QStringLiteral("3 = Avoiding fluorides, no F toothpaste")}),
         3, 295},
        {QStringLiteral("Saliva secretion"), 13,
         Lines({QStringLiteral("Estimation of amount of saliva, for example using"),
                QStringLiteral("paraffin-stimulated secretion and expressing results"),
                QStringLiteral("as ml saliva/minute.")}),
         QStringLiteral("0-3"),
         Lines({QStringLiteral("(Values below for adults)"),
                QStringLiteral("0 = Normal saliva secretion"),
                QStringLiteral("1 = Low, 0.9 - 1.1 ml stim saliva/min"),
                QStringLiteral("2 = Low, 0.5- 0.9  ml stim saliva/min"),
                QStringLiteral("3 = Very low, Xerostomia, <0.5 ml, long-lasting")}),
         3, 342},
        {QStringLiteral("Buffer capacity"), 13,
         Lines({QStringLiteral("Estimation of capacity of saliva to buffer"),
                QStringLiteral("acids, for example using the Dentobuff test.")}),
         QStringLiteral("0-2"),
         Lines({QStringLiteral("0 = Adequate, Dentobuff blue"),
                QStringLiteral("1 = Reduced, Dentobuff green"),
                QStringLiteral("2 = Low, Dentobuff yellow")}),
         2, 388},
        {QStringLiteral("Clin. judgement"), 13,
         Lines({QStringLiteral("Opinion of the dental examiner,"),
                QStringLiteral("'Clinical feeling'")}),
         QStringLiteral("0-3"),
         Lines({QStringLiteral("0 = More positive than what data and tests above indicate"),
                QStringLiteral("1 = Normal setting. Risk in line with the data above"),
                QStringLiteral("2 = Increased risk compared to data and test results"),
                QStringLiteral("3 = Very high risk, examiner convinced caries will occur")}),
         3, 435},
    }};
}

} // namespace

const std::array<Row, kRowCount>& Rows() {
    static const std::array<Row, kRowCount> rows = MakeRows();
    return rows;
}

} // namespace FactorRows
