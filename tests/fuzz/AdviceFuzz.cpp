// Fuzz target for the advice selection. The input is either ten arbitrary
// scores and an arbitrary chance (any double, NaN and infinities included),
// or ten arbitrary score edit texts. Properties:
// - assembling never throws and always yields the chosen band's fragments in
//   block order, each but the closing remarks followed by the one-blank
//   separator, opening with a verdict and the introduction;
// - each band's operation only appends to its target;
// - a higher chance never selects a lower band;
// - reading the edit texts agrees with strtoll on which texts are integers
//   and on their values, and a failure is a std::runtime_error naming the
//   first text that is not an integer (any other exception aborts the run).

#include "advice/AdviceSelection.h"
#include "tests/advice/AdviceHolders.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <bit>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

const QString kSeparator = QStringLiteral(" ");

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

bool MatchesAt(const QStringList& lines, qsizetype at, const QStringList& fragment) {
    if (at + fragment.size() > lines.size()) {
        return false;
    }
    for (qsizetype i = 0; i < fragment.size(); ++i) {
        if (lines.at(at + i) != fragment.at(i)) {
            return false;
        }
    }
    return true;
}

// Takes the advice apart into the band's fragments, block by block. Returns
// the blocks that appended a fragment; aborts when the lines do not split.
std::vector<int> SplitIntoBlocks(const QStringList& lines, const TFragmentHolder& holder) {
    std::vector<int> blocks;
    qsizetype at = 0;
    for (int block = 1; block <= 9; ++block) {
        for (const QString& key : holder.Keys()) {
            if (!key.startsWith(QStringLiteral("%1.").arg(block))) {
                continue;
            }
            const QStringList& fragment = holder.Fragment(key);
            if (!MatchesAt(lines, at, fragment)) {
                continue;
            }
            const qsizetype after = at + fragment.size();
            if (block == 9 ? after == lines.size()
                           : after < lines.size() && lines.at(after) == kSeparator) {
                blocks.push_back(block);
                at = block == 9 ? after : after + 1;
                break;
            }
        }
    }
    Require(at == lines.size(), "advice is not a sequence of the band's fragments");
    return blocks;
}

void CheckAssembly(const AdviceScores& scores, double chance) {
    const AllHolders& holders = Holders();
    const QStringList lines = AssembleAdvice(scores, chance, holders.Refs());
    const ChanceBand band = ChooseBand(chance);
    const std::vector<int> blocks = SplitIntoBlocks(lines, holders.Of(band));
    Require(blocks.size() >= 3 && blocks[0] == 1 && blocks[1] == 2 && blocks.back() == 9,
            "advice lacks the verdict, the introduction or the closing remarks");

    // The band's own operation appends the same lines behind what is there.
    QStringList target{QStringLiteral("kept")};
    switch (band) {
    case ChanceBand::Band0020:
        Advice0020(scores, holders.dlg0020, target);
        break;
    case ChanceBand::Band2040:
        Advice2040(scores, holders.dlg2040, target);
        break;
    case ChanceBand::Band4060:
        Advice4060(scores, holders.dlg4060, target);
        break;
    case ChanceBand::Band6080:
        Advice6080(scores, holders.dlg6080, target);
        break;
    case ChanceBand::Band80100:
        Advice80100(scores, holders.dlg80100, target);
        break;
    }
    Require(target.size() == lines.size() + 1 && target.front() == QStringLiteral("kept") &&
                target.mid(1) == lines,
            "band operation did not just append the advice");

    if (!std::isnan(chance)) {
        const double above = std::nextafter(chance, INFINITY);
        Require(static_cast<int>(ChooseBand(above)) >= static_cast<int>(band),
                "a higher chance selected a lower band");
    }
}

// What a score edit text is worth, read by the C library: a decimal integer
// within int, nothing before or after it. A lone blank is an empty score.
std::optional<int> ReferenceScore(const QString& text) {
    if (text == QStringLiteral(" ")) {
        return 9;
    }
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty() || bytes.contains('\0') ||
        std::isspace(static_cast<unsigned char>(bytes.front())) != 0) {
        return std::nullopt; // strtoll would skip leading white space
    }
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return std::nullopt;
        }
    }
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(bytes.constData(), &end, 10);
    if (end != bytes.constData() + bytes.size() || errno == ERANGE || value < INT_MIN ||
        value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

void CheckReading(const std::array<QString, 10>& texts) {
    std::optional<std::size_t> firstInvalid;
    AdviceScores expected{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::optional<int> score = ReferenceScore(texts[i]);
        if (!score) {
            firstInvalid = i;
            break;
        }
        expected[i] = *score;
    }
    try {
        const AdviceScores scores = ReadAdviceScores(texts);
        Require(!firstInvalid.has_value(), "accepted a text that is not an integer");
        Require(scores == expected, "scores differ from the texts' values");
        CheckAssembly(scores, 50.0);
    } catch (const std::runtime_error& error) {
        Require(firstInvalid.has_value(), "refused texts that are all integers");
        const std::string message = QStringLiteral("'%1' is not a valid integer value")
                                        .arg(texts[*firstInvalid])
                                        .toStdString();
        // what() ends at the first NUL, which a text may contain.
        Require(message.substr(0, message.find('\0')) == error.what(),
                "message does not name the first invalid text");
    }
}

double ConsumeChance(FuzzedDataProvider& input) {
    if (input.ConsumeBool()) {
        return input.ConsumeFloatingPointInRange<double>(-20.0, 120.0);
    }
    // Any bit pattern: NaN, infinities, subnormals, huge values.
    return std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        AdviceScores scores{};
        for (int& score : scores) {
            score = input.ConsumeBool() ? input.ConsumeIntegralInRange(-1, 10)
                                        : input.ConsumeIntegral<int>();
        }
        CheckAssembly(scores, ConsumeChance(input));
    } else {
        const bool utf8 = input.ConsumeBool();
        std::array<QString, 10> texts;
        for (QString& text : texts) {
            const std::string bytes = input.ConsumeRandomLengthString(16);
            text = utf8 ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                        : QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
        }
        CheckReading(texts);
    }
    return 0;
}
