#include "mainwindow/Legend.h"

#include <QStringList>

namespace Legend {

namespace {

QString Lines(const QStringList& lines) {
    return lines.join(QLatin1Char('\n'));
}

constexpr int kHighColourDepth = 16;
constexpr int kFillingPenWidth = 12;

// The plain colours: green, blue, red, light blue, yellow.
const std::array<QColor, kRowCount> kPlain = {QColor(0, 128, 0), QColor(0, 0, 255),
                                              QColor(255, 0, 0), QColor(0, 128, 255),
                                              QColor(255, 255, 0)};
// The chart's sector colours for chance, Diet, Bacteria and Susceptibility;
// Circumstances is plain yellow on every display.
const std::array<QColor, kRowCount> kSector = {QColor(100, 169, 50), QColor(102, 102, 255),
                                               QColor(255, 102, 102), QColor(117, 219, 249),
                                               QColor(255, 255, 0)};

std::array<Row, kRowCount> MakeRows() {
    return {{
        {QStringLiteral("Panel1"), QStringLiteral("Shape1"),
         QStringLiteral("Actual chance to avoid new cavities"),
         Lines({QStringLiteral("The green sector shows an estimation"),
                QStringLiteral("of the chance to avoid cavities."),
                QStringLiteral("The bigger the green sector, the better"),
                QStringLiteral("from a dental health point of view."),
                QStringLiteral("Small green sector means low chance ="),
                QStringLiteral("high caries risk.")})},
        {QStringLiteral("Panel8"), QStringLiteral("Shape2"), QStringLiteral("Diet"),
         Lines({QStringLiteral("Blue sector \"Diet\" is based on a combination of:"),
                QStringLiteral("DIET CONTENTS and DIET FREQUENCY."),
                QStringLiteral("The smaller the sector, the better from a dental"),
                QStringLiteral("health point of view.")})},
        {QStringLiteral("Panel9"), QStringLiteral("Shape3"), QStringLiteral("Bacteria"),
         Lines({QStringLiteral("Red sector \"Bacteria\" is based on a combination of:"),
                QStringLiteral("PLAQUE AMOUNT and MUTANS STREPTOCOCCI."),
                QStringLiteral("The smaller the sector, the better from a dental health"),
                QStringLiteral("point of view.")})},
        {QStringLiteral("Panel10"), QStringLiteral("Shape4"), QStringLiteral("Susceptibility"),
         Lines(
             {QStringLiteral("Light blue sector \"Susceptibility\" is based on a combination of:"),
              QStringLiteral("FLUORIDE PROGRAM, SALIVA SECRETION and SALIVA BUFFER CAPACITY."),
              QStringLiteral(
                  "The smaller the sector, the better from a dental health point of view.")})},
        {QStringLiteral("Panel11"), QStringLiteral("Shape5"), QStringLiteral("Circumstances"),
         Lines({QStringLiteral("Yellow sector \"Circumstances\" is based on a combination of"),
                QStringLiteral("CARIES EXPERIENCE and RELATED DISEASES."),
                QStringLiteral("The smaller the sector, the better from a dental health point"),
                QStringLiteral("of view.")})},
    }};
}

} // namespace

const std::array<Row, kRowCount>& Rows() {
    static const std::array<Row, kRowCount> rows = MakeRows();
    return rows;
}

std::array<Square, kRowCount> Squares(int bitsPerPixel) {
    std::array<Square, kRowCount> squares;
    for (int i = 0; i < kRowCount; ++i) {
        squares[i] = Square{kPlain[i], kPlain[i], 1};
    }
    if (bitsPerPixel >= kHighColourDepth) {
        // A pen as wide as half the square covers it: the sector colour shows.
        for (int i = 0; i < kRowCount - 1; ++i) {
            squares[i].pen = kSector[i];
            squares[i].penWidth = kFillingPenWidth;
        }
    } else {
        // The light blue square is drawn with the thinnest pen.
        squares[3].penWidth = 0;
    }
    return squares;
}

} // namespace Legend
