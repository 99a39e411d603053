#include "model/RiskModel.h"

namespace InmBearb {

namespace {

// Value read for a blank cell before its default is put in. A cell holding
// the digit 9 reads the same and so also receives the default, although it
// does not count as missing; no factor's range reaches 9.
constexpr double kBlankMarker = 9.0;

// What the computation uses for a factor that is still blank, in factor
// order: caries experience, related diseases, diet contents, diet
// frequency, plaque, mutans streptococci, fluoride, saliva, buffer capacity,
// clinical judgement.
constexpr std::array<double, RiskModel::kFactorCount> kDefaultScores = {2, 1, 2, 2, 2,
                                                                        2, 2, 1, 1, 1};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsValidIndex(std::uint8_t index) {
    return index >= 1 && index <= RiskModel::kFactorCount;
}

} // namespace

RiskModel::RiskModel() {
    cells_.fill(kBlank);
}

std::uint8_t RiskModel::EnterScore(std::uint8_t index, std::string_view text) {
    if (!IsValidIndex(index) || text.empty() ||
        !(IsDigit(text.front()) || text.front() == kBlank)) {
        return MissingCount();
    }
    cells_[index - 1] = text.front();
    const ScoreReading reading = ReadScores();
    if (reading.missing < kMissingLimit) {
        last_ = ComputeSectors(reading.scores, chanceAdjustment_);
    }
    return reading.missing;
}

std::uint8_t RiskModel::EnterScores(std::string_view cells) {
    for (std::size_t i = 0; i < kFactorCount && i < cells.size(); ++i) {
        if (IsDigit(cells[i]) || cells[i] == kBlank) {
            cells_[i] = cells[i];
        }
    }
    const ScoreReading reading = ReadScores();
    if (reading.missing < kMissingLimit) {
        last_ = ComputeSectors(reading.scores, chanceAdjustment_);
    }
    return reading.missing;
}

void RiskModel::SetCountryArea(std::uint8_t code) {
    countryAreaCode_ = code;
    UpdateChanceAdjustment();
}

void RiskModel::SetGroup(std::uint8_t code) {
    groupCode_ = code;
    UpdateChanceAdjustment();
}

void RiskModel::UpdateChanceAdjustment() {
    chanceAdjustment_ = ChanceAdjustmentFor(countryAreaCode_, groupCode_);
}

char RiskModel::Cell(std::uint8_t index) const {
    return IsValidIndex(index) ? cells_[index - 1] : kBlank;
}

std::uint8_t RiskModel::MissingCount() const {
    return ReadScores().missing;
}

RiskModel::ScoreReading RiskModel::ReadScores() const {
    std::array<double, kFactorCount> values{};
    ScoreReading reading;
    for (std::size_t i = 0; i < kFactorCount; ++i) {
        if (cells_[i] == kBlank) {
            values[i] = kBlankMarker;
            ++reading.missing;
        } else {
            values[i] = cells_[i] - '0';
        }
        if (values[i] == kBlankMarker) {
            values[i] = kDefaultScores[i];
        }
    }
    reading.scores = {values[0], values[1], values[2], values[3], values[4],
                      values[5], values[6], values[7], values[8], values[9]};
    return reading;
}

} // namespace InmBearb
