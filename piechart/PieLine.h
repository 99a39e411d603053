#pragma once

// Reading the pie chart's data lines: a decimal number, optionally followed by
// a blank and a label, e.g. "21.24 21%". The number is always written with a
// point as the decimal separator, whatever the user's regional settings, so it
// is read without any help from the locale.

#include <QString>
#include <optional>
#include <string_view>

// The text without leading and trailing blanks. Only the blank (code 32)
// counts; tabs and other white space are kept.
QString TrimBlanks(const QString& text);

// Reads a number text in the fixed notation: optional sign, digits, optional
// point and digits, optional exponent ("E" or "e", optional sign, at least one
// digit), and nothing else. Leading blanks are skipped. A comma, any other
// character, an empty text or a sign alone give no value, as does a number too
// large for a double (it would otherwise become infinite); a number too small
// for a double reads as zero. Digits may be absent on both sides of the point
// (".5", "5.", even "." which reads as zero).
std::optional<double> ReadPieNumber(std::string_view text);

// One data line taken apart.
struct PieLine {
    QString text;                // the line without leading and trailing blanks
    std::optional<double> value; // empty when the number text is invalid
    QString label;               // the trimmed rest after the first blank; may be empty
};

// Labels are cut to this many characters after the separating blank. A
// character is what a reader sees as one: a letter with its accents, an emoji
// with its modifiers, a flag; a cut never splits one.
inline constexpr int kPieLabelLimit = 998;

PieLine ReadPieLine(const QString& line);

// Only the label of a line, as the chart writes it beside its sector.
QString PieLabel(const QString& trimmedLine);
