// Fuzz target for the pie chart's data lines. Arbitrary bytes are read as one
// line and, split at line feeds, as several lines; the accepted lines go into
// the valued list the way the chart loads them, and the geometry lays them out
// for a control of fixed size. Nothing may crash; every accepted value is
// finite and agrees with the C library's correctly rounded reading; every
// drawn sector's rays lie at their full length from the centre, which a NaN
// or infinite sweep would break.

#include "piechart/PieGeometry.h"
#include "piechart/PieLine.h"
#include "piechart/StringListWithDouble.h"

#include <QString>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 240;
// Distance of the geometry's radial points from the centre.
constexpr double kRayLength = 1000.0;

// A broken property stops the run like a crash, so libFuzzer keeps the input.
void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

bool IsBlankFree(const QString& text) {
    return !text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' '));
}

// Whether every surrogate in the text belongs to a pair.
bool IsWellFormed(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate()) {
            if (i + 1 == text.size() || !text.at(i + 1).isLowSurrogate()) {
                return false;
            }
            ++i;
        } else if (c.isLowSurrogate()) {
            return false;
        }
    }
    return true;
}

// The number reader against strtod, which reads a superset of the notation
// (hexadecimal, infinity, NaN, other leading white space) and rounds
// correctly. Where both accept a text they must give the same double.
void CheckNumber(std::string_view text) {
    const std::optional<double> value = ReadPieNumber(text);
    if (value) {
        Require(std::isfinite(*value), "number read as a non-finite value");
    }
    if (text.find('\0') != std::string_view::npos) {
        return; // strtod would stop at the terminator
    }
    const std::string copy(text);
    const std::size_t begin = copy.find_first_not_of(' ');
    if (begin == std::string::npos) {
        Require(!value, "an empty or blank number text was accepted");
        return;
    }
    const char* first = copy.c_str() + begin;
    char* end = nullptr;
    const double reference = std::strtod(first, &end);
    const bool consumed = end != first && end == copy.c_str() + copy.size();
    if (value && consumed) {
        Require(*value == reference, "value differs from the correctly rounded reading");
        Require(std::signbit(*value) == std::signbit(reference), "sign of zero differs");
    } else if (value) {
        // Only a mantissa without any digit (".", "-.e5") is read here as
        // zero while strtod refuses it.
        const std::string_view number = std::string_view(copy).substr(begin);
        const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
        Require(*value == 0.0 && mantissa.find_first_of("0123456789") == std::string_view::npos,
                "accepted a number text that strtod refuses");
    } else if (consumed) {
        Require(std::isinf(reference) ||
                    copy.find_first_of("xXiInN\t\n\v\f\r", begin) != std::string::npos,
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

void CheckLine(const QString& line, const PieLine& read) {
    Require(read.text == TrimBlanks(line), "entry text is not the trimmed line");
    Require(IsBlankFree(read.text), "entry text keeps a blank at an end");
    if (read.value) {
        Require(std::isfinite(*read.value), "line read as a non-finite value");
    }
    Require(CharacterCount(read.label) <= kPieLabelLimit, "label longer than the limit");
    Require(IsBlankFree(read.label), "label keeps a blank at an end");
    Require(read.text.contains(read.label), "label is not a part of the line");
    Require(PieLabel(read.text) == read.label, "label differs when read on its own");
    if (IsWellFormed(line)) {
        Require(IsWellFormed(read.label), "label cut through a character");
    }
}

QSize MeasureLabel(const QString& text) {
    return QSize(7 * static_cast<int>(text.size()), 13);
}

double Distance(QPoint from, QPoint to) {
    return std::hypot(to.x() - from.x(), to.y() - from.y());
}

void CheckGeometry(const std::vector<PieEntry>& entries, int displayDepth) {
    PieInput input;
    input.width = kWidth;
    input.height = kHeight;
    input.entries = entries;
    input.displayDepth = displayDepth;
    input.measure = MeasureLabel;
    const PieGeometry geometry = ComputePieGeometry(input);

    double total = 0.0;
    for (const PieEntry& entry : entries) {
        total += entry.value;
    }
    if (!(total > 0.0) || !std::isfinite(total)) {
        Require(geometry.sectors.empty() && geometry.labels.empty(),
                "drew a pie whose total is not a positive number");
    }
    const QPoint centre(kWidth / 2, kHeight / 2);
    int previous = -1;
    int slot = 0;
    for (const PieSector& sector : geometry.sectors) {
        Require(sector.entry > previous && sector.entry < static_cast<int>(entries.size()),
                "sectors out of order");
        previous = sector.entry;
        Require(sector.colourSlot == slot, "colour slots do not follow the sectors");
        slot = (slot + 1) % 6;
        Require(Distance(QPoint(), sector.offset) <= kWidth * 0.05 + 1.0,
                "sector pulled out too far");
        const QPoint shifted = centre + sector.offset;
        Require(std::abs(Distance(shifted, sector.start) - kRayLength) <= 2.0,
                "start ray of a sector is not at its full length");
        Require(std::abs(Distance(shifted, sector.end) - kRayLength) <= 2.0,
                "end ray of a sector is not at its full length");
    }
    Require(geometry.finalColourSlot == slot, "final colour slot is not the next one");
    for (const PieLabelPlacement& label : geometry.labels) {
        Require(label.entry >= 0 && label.entry < static_cast<int>(entries.size()),
                "label of no entry");
        Require(!label.text.isEmpty() && label.text == entries[label.entry].label,
                "label text is not its entry's label");
        // A label wider than the pie is pulled through the centre and may
        // land well outside the control, but never farther than its own
        // size allows; a NaN angle or a clamped coordinate would.
        const QSize size = MeasureLabel(label.text);
        const int reach = 4 * kWidth + 2 * (size.width() + size.height());
        Require(std::abs(label.topLeft.x()) <= reach && std::abs(label.topLeft.y()) <= reach,
                "label placed far outside the control");
    }
    std::vector<double> values;
    for (const PieEntry& entry : entries) {
        values.push_back(entry.value);
    }
    for (const double angle : {0.0, 1.0, std::numbers::pi, 6.0}) {
        const int hit = HitEntry(angle, values, total);
        Require(hit >= -1 && hit < static_cast<int>(entries.size()), "hit outside the entries");
    }
}

// Loads the lines the way the chart does: invalid lines are skipped, the
// others kept in order with their values. Loading twice must give the same.
void CheckLines(const QStringList& lines, int displayDepth) {
    TStringListWithDouble list;
    std::vector<PieEntry> entries;
    for (int round = 0; round < 2; ++round) {
        list.Clear();
        entries.clear();
        for (const QString& line : lines) {
            const PieLine read = ReadPieLine(line);
            CheckLine(line, read);
            if (read.value) {
                list.Add(read.text, TObjectAndDouble{nullptr, *read.value});
                entries.push_back(PieEntry{*read.value, read.label});
            }
        }
        Require(list.Count() == static_cast<int>(entries.size()), "list lost or gained entries");
    }
    for (int i = 0; i < list.Count(); ++i) {
        const TObjectAndDouble* payload = list.Payload(i);
        Require(payload != nullptr && payload->Value == entries[i].value,
                "payload differs from the value read");
        Require(PieLabel(list.Text(i)) == entries[i].label, "entry text gives another label");
    }
    CheckGeometry(entries, displayDepth);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckNumber(bytes.substr(0, bytes.find('\n')));

    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // The palette depends on the display depth; let the input choose it.
    const int displayDepth = (size % 2 == 0) ? 32 : 8;
    CheckLines(QStringList{text}, displayDepth);
    CheckLines(text.split(QLatin1Char('\n')), displayDepth);
    return 0;
}
