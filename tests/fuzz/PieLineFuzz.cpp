// Fuzz target for the pie chart's data line reader. The bytes up to the first
// line feed are read as a number text, and the whole input, split at line
// feeds, as data lines. Nothing may crash or trip a sanitizer; an accepted
// number agrees with the C library's correctly rounded reading; a label lies
// within its line and its limit.

#include "piechart/PieLine.h"
#include "resources/Characters.h"

#include <QStringList>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A broken property stops the run like a crash, so libFuzzer keeps the input.
void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const QString& line : QString::fromStdString(bytes).split(QLatin1Char('\n'))) {
        const PieLine read = ReadPieLine(line);
        const qsizetype characters = Characters::Boundaries(read.label).size() - 1;
        Require(characters <= kPieLabelLimit && read.text.contains(read.label),
                "label too long or not a part of its line");
        Require(!read.value || std::isfinite(*read.value), "line read as a non-finite value");
    }
    const std::string text = bytes.substr(0, bytes.find('\n'));
    if (text.find('\0') != std::string::npos) {
        return 0; // strtod would stop at the terminator
    }
    // strtod reads a superset of the notation (hexadecimal, infinity, NaN,
    // other white space) and rounds correctly: where both accept a text they
    // agree, and the reader refuses only what lies outside the notation or
    // overflows.
    const std::optional<double> value = ReadPieNumber(text);
    char* end = nullptr;
    const double reference = std::strtod(text.c_str(), &end);
    const bool consumed = end != text.c_str() && *end == '\0';
    if (value && consumed) {
        Require(*value == reference && std::signbit(*value) == std::signbit(reference),
                "value differs from the correctly rounded reading");
    } else if (value) {
        // Only a mantissa without any digit (".", "-.e5") reads as zero here.
        Require(*value == 0.0, "accepted a number text that strtod refuses");
    } else if (consumed) {
        Require(std::isinf(reference) ||
                    text.find_first_of("xXiInN\t\n\v\f\r") != std::string::npos,
                "refused a number text in the fixed notation");
    }
    return 0;
}
