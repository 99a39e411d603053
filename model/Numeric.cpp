#include "model/Numeric.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Numeric {

double RoundHalfEven(double value) {
    // std::nearbyint follows the current rounding mode, which is round to
    // nearest, ties to even unless someone changed it; std::round would send
    // halves away from zero.
    return std::nearbyint(value);
}

int RoundToInt(double value) {
    const double rounded = RoundHalfEven(value);
    if (std::isnan(rounded)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (rounded <= lowest) {
        return std::numeric_limits<int>::min();
    }
    if (rounded >= highest) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(rounded);
}

namespace {

// FixedTwo for a finite value of magnitude below 2^50 in exact integer
// arithmetic: the value is m * 2^e with an integer m below 2^53, so a
// hundred times it is (100 m) * 2^e with 100 m below 2^60, and the shift by
// -e splits it into the whole hundredths and the exact remainder. A
// remainder of exactly one half goes to the even neighbour, as std::to_chars
// rounds. The same characters as std::to_chars, for a fraction of its work.
std::string FixedTwoExact(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int exponent = biased == 0 ? -1074 : biased - 1075;
    const std::uint64_t scaled = mantissa * 100;
    std::uint64_t hundredths = 0;
    if (exponent >= 0) {
        hundredths = scaled << exponent;
    } else if (exponent > -64) {
        const int shift = -exponent;
        hundredths = scaled >> shift;
        const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (remainder > half || (remainder == half && (hundredths & 1) != 0)) {
            ++hundredths;
        }
    } // else below 2^-4 hundredths: nothing
    std::array<char, 24> buffer{};
    char* end = buffer.data() + buffer.size();
    char* begin = end;
    *--begin = static_cast<char>('0' + hundredths % 10);
    *--begin = static_cast<char>('0' + hundredths / 10 % 10);
    *--begin = '.';
    std::uint64_t whole = hundredths / 100;
    do {
        *--begin = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative) {
        *--begin = '-';
    }
    return std::string(begin, end);
}

} // namespace

std::string FixedTwo(double value) {
    if (std::isfinite(value) && std::fabs(value) < 0x1p50) {
        return FixedTwoExact(value);
    }
    // Large enough for any double in fixed notation with two decimals.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 2);
    return std::string(buffer.data(), result.ptr);
}

std::string IntegerText(long long value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::optional<int> ParseInteger(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // The magnitude may reach one past the largest int, the size of the
    // smallest one.
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    if (!negative && magnitude == limit) {
        return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace Numeric
