#include "piechart/PieLine.h"

#include "resources/Characters.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where a number text's pieces lie once its notation has been checked.
struct NumberShape {
    bool negative = false;
    std::size_t mantissaBegin = 0; // first character after the sign
    std::string_view integerDigits;
    std::string_view fractionDigits;
    long long exponent = 0; // saturates far beyond any double's range
};

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

std::optional<NumberShape> CheckNotation(std::string_view text) {
    NumberShape shape;
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        shape.negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) {
        return std::nullopt; // empty, or a sign alone
    }
    shape.mantissaBegin = pos;
    std::size_t end = SkipDigits(text, pos);
    shape.integerDigits = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size() && text[pos] == '.') {
        end = SkipDigits(text, pos + 1);
        shape.fractionDigits = text.substr(pos + 1, end - pos - 1);
        pos = end;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        end = SkipDigits(text, pos);
        if (end == pos) {
            return std::nullopt; // an exponent needs at least one digit
        }
        for (; pos < end; ++pos) {
            if (shape.exponent < 1'000'000'000) {
                shape.exponent = shape.exponent * 10 + (text[pos] - '0');
            }
        }
        if (negativeExponent) {
            shape.exponent = -shape.exponent;
        }
    }
    if (pos != text.size()) {
        return std::nullopt; // a comma, a tab or any other character
    }
    return shape;
}

// Power of ten of the leading significant digit; only its sign matters, to
// tell a number too large for a double from one too small.
long long DecimalMagnitude(const NumberShape& shape) {
    const auto firstNonZero = shape.integerDigits.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos) {
        const auto digits = static_cast<long long>(shape.integerDigits.size() - firstNonZero);
        return shape.exponent + digits;
    }
    const auto leadingZeros = shape.fractionDigits.find_first_not_of('0');
    return shape.exponent - static_cast<long long>(leadingZeros);
}

} // namespace

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' ')) {
        ++begin;
    }
    while (end > begin && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return text.mid(begin, end - begin);
}

std::optional<double> ReadPieNumber(std::string_view text) {
    const auto shape = CheckNotation(text);
    if (!shape) {
        return std::nullopt;
    }
    const double zero = shape->negative ? -0.0 : 0.0;
    if (shape->integerDigits.find_first_not_of('0') == std::string_view::npos &&
        shape->fractionDigits.find_first_not_of('0') == std::string_view::npos) {
        return zero; // no significant digit, whatever the exponent says
    }
    // The notation is now known to be one that from_chars reads exactly as
    // written (it ignores the locale), apart from the sign handled above.
    const char* first = text.data() + shape->mantissaBegin;
    const char* last = text.data() + text.size();
    double magnitude = 0.0;
    const auto result = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (DecimalMagnitude(*shape) > 0) {
            return std::nullopt; // would be infinite
        }
        return zero;
    }
    if (result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    return shape->negative ? -magnitude : magnitude;
}

QString PieLabel(const QString& trimmedLine) {
    const qsizetype blank = trimmedLine.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        return QString();
    }
    // The separating blank and the kPieLabelLimit characters after it.
    const QStringView rest = QStringView(trimmedLine).mid(blank);
    return TrimBlanks(rest.left(Characters::End(rest, kPieLabelLimit + 1)).toString());
}

PieLine ReadPieLine(const QString& line) {
    PieLine result;
    result.text = TrimBlanks(line);
    const qsizetype blank = result.text.indexOf(QLatin1Char(' '));
    const QString numberText = blank < 0 ? result.text : result.text.left(blank);
    const bool ascii = std::all_of(numberText.cbegin(), numberText.cend(),
                                   [](QChar c) { return c.unicode() < 128; });
    if (ascii) {
        const QByteArray bytes = numberText.toLatin1();
        result.value = ReadPieNumber(std::string_view(bytes.constData(), bytes.size()));
    }
    result.label = PieLabel(result.text);
    return result;
}
