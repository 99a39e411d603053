#include "mainwindow/Legend.h"

#include "mainwindow/Lines.h"
#include "resources/SectorPalette.h"

#include <QStringList>

namespace Legend {

namespace {

constexpr int kFillingPenWidth = 12;

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
    static_assert(kRowCount == kPlainSectorColours.size());
    std::array<Square, kRowCount> squares;
    for (int i = 0; i < kRowCount; ++i) {
        squares[i] = Square{kPlainSectorColours[i], kPlainSectorColours[i], 1};
    }
    if (bitsPerPixel >= kSectorColourDepth) {
        // A pen as wide as half the square covers it: the sector colour shows.
        // Circumstances is yellow in both palettes and keeps its thin pen.
        for (int i = 0; i < kRowCount - 1; ++i) {
            squares[i].pen = kSectorColours[i];
            squares[i].penWidth = kFillingPenWidth;
        }
    } else {
        // The light blue square is drawn with the thinnest pen.
        squares[3].penWidth = 0;
    }
    return squares;
}

} // namespace Legend
