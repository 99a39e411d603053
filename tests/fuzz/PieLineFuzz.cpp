// Fuzz target for the pie chart's data line reader. The bytes up to the first
// line feed are read as a number text, and the whole input, split at line
// feeds, as data lines that the chart's geometry lays out. Nothing may crash
// or trip a sanitizer; an accepted number is finite and agrees with the C
// library's correctly rounded reading; a label lies within its line and its
// limit; every drawn sector's rays have their full length (a NaN or infinite
// sweep would break that).

#include "piechart/PieGeometry.h"
#include "piechart/PieLine.h"

#include <QStringList>
#include <QTextBoundaryFinder>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// A broken property stops the run like a crash, so libFuzzer keeps the input.
void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

// strtod reads a superset of the notation (hexadecimal, infinity, NaN, other
// white space) and rounds correctly: where both accept a text they agree, and
// the reader refuses only what lies outside the notation or overflows.
void CheckNumber(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) {
        return; // strtod would stop at the terminator
    }
    const std::optional<double> value = ReadPieNumber(text);
    const std::string copy(text);
    char* end = nullptr;
    const double reference = std::strtod(copy.c_str(), &end);
    const bool consumed = end != copy.c_str() && end == copy.c_str() + copy.size();
    if (value && consumed) {
        Require(*value == reference && std::signbit(*value) == std::signbit(reference),
                "value differs from the correctly rounded reading");
    } else if (value) {
        // Only a mantissa without any digit (".", "-.e5") reads as zero here.
        Require(*value == 0.0, "accepted a number text that strtod refuses");
    } else if (consumed) {
        Require(std::isinf(reference) ||
                    copy.find_first_of("xXiInN\t\n\v\f\r") != std::string::npos,
                "refused a number text in the fixed notation");
    }
}

// Characters as the reader sees them, which the label limit counts.
qsizetype CharacterCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0) {
        ++count;
    }
    return count;
}

void CheckLines(const QStringList& lines) {
    PieInput input;
    input.width = 240;
    input.height = 240;
    input.displayDepth = 32;
    input.measure = [](const QString& text) { return QSize(7 * int(text.size()), 13); };
    for (const QString& line : lines) {
        const PieLine read = ReadPieLine(line);
        Require(read.text == TrimBlanks(line), "entry text is not the trimmed line");
        Require(CharacterCount(read.label) <= kPieLabelLimit && read.text.contains(read.label),
                "label too long or not a part of its line");
        if (read.value) {
            Require(std::isfinite(*read.value), "line read as a non-finite value");
            input.entries.push_back(PieEntry{*read.value, read.label});
        }
    }
    const QPoint centre(input.width / 2, input.height / 2);
    for (const PieSector& sector : ComputePieGeometry(input).sectors) {
        const QPoint shifted = centre + sector.offset;
        for (const QPoint ray : {sector.start, sector.end}) {
            // The geometry puts both radial points 1000 pixels from the centre.
            const double length = std::hypot(ray.x() - shifted.x(), ray.y() - shifted.y());
            Require(std::abs(length - 1000.0) <= 2.0, "a sector's ray is not at its full length");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckNumber(bytes.substr(0, bytes.find('\n')));
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    CheckLines(text.split(QLatin1Char('\n')));
    return 0;
}
