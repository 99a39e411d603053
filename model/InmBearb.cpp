#include "model/InmBearb.h"

#include "model/RiskModel.h"

namespace InmBearb {

namespace {

// Created on first use and kept for the life of the process.
RiskModel& Assessment() {
    static RiskModel assessment;
    return assessment;
}

} // namespace

ScoreEntry EnterScore(std::uint8_t index, std::string_view text) {
    const std::uint8_t missing = Assessment().EnterScore(index, text);
    return {missing, Assessment().Shares()};
}

void SetCountryArea(std::uint8_t code) {
    Assessment().SetCountryArea(code);
}
void SetGroup(std::uint8_t code) {
    Assessment().SetGroup(code);
}
std::uint8_t GetCountryArea() {
    return Assessment().GetCountryArea();
}
std::uint8_t GetGroup() {
    return Assessment().GetGroup();
}

double ChancePercent() {
    return Assessment().ChancePercent();
}
double DietPercent() {
    return Assessment().DietPercent();
}
double BacteriaPercent() {
    return Assessment().BacteriaPercent();
}
double SusceptibilityPercent() {
    return Assessment().SusceptibilityPercent();
}
double CircumstancesPercent() {
    return Assessment().CircumstancesPercent();
}

} // namespace InmBearb
