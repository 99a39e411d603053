#pragma once

// Shared fixtures for the composition tests: report data with every field
// filled, and checks of what the recording canvas saw.

#include "printing/RecordingCanvas.h"
#include "printing/ReportData.h"
#include "resources/Fonts.h"

#include <gtest/gtest.h>
#include <ostream>

namespace Printing::TestSupport {

inline const QString& Face = Fonts::SerifFace;

inline ReportData SampleReport(double sx = 1.0, double sy = 1.0) {
    ReportData data;
    data.scoreTexts = {"2", "1", "3", "3", "2", "1", "2", "0", " ", "1"};
    data.countryAreaText = "Standard set";
    data.groupText = "High risk";
    data.percentages = {50.0, 20.0, 10.0, 10.0, 10.0};
    data.percentTexts = PercentTexts(data.percentages);
    data.name = "Ann Patient";
    data.identNo = "19700101-1234";
    data.date = "2026-12-06";
    data.examiner = "B. Examiner";
    data.sx = sx;
    data.sy = sy;
    return data;
}

inline QStringList NumberedLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        lines << QStringLiteral("line %1").arg(i);
    }
    return lines;
}

// One step of the report drawn alone inside a document.
inline RecordingCanvas Drawn(void (*step)(PageCanvas&, const ReportData&), const ReportData& data) {
    RecordingCanvas canvas;
    canvas.BeginDoc("step");
    step(canvas, data);
    canvas.EndDoc();
    return canvas;
}

// The text was written exactly once, at this point, on this page, in this font.
inline void ExpectText(const RecordingCanvas& canvas, const QString& text, QPoint at,
                       const CanvasFont& font, int page = 0) {
    SCOPED_TRACE(text.toStdString());
    int found = 0;
    for (const CanvasCall& call : canvas.Texts()) {
        if (call.text != text) {
            continue;
        }
        ++found;
        EXPECT_EQ(call.points.at(0), at);
        EXPECT_EQ(call.font, font);
        EXPECT_EQ(call.page, page);
    }
    EXPECT_EQ(found, 1);
}

inline void PrintTo(const CanvasFont& font, std::ostream* os) {
    *os << font.face.toStdString() << " " << font.pointSize << (font.bold ? " bold" : "");
}

inline CanvasFont Regular(int points) {
    return {Face, points, false};
}
inline CanvasFont Bold(int points) {
    return {Face, points, true};
}

} // namespace Printing::TestSupport

// Readable failure output for the recorded points.
inline void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "(" << point.x() << ", " << point.y() << ")";
}
