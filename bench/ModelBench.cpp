// The risk model: the sector computation against summing the ten scores (the
// least any keystroke could cost), one accepted keystroke with its
// recomputation, and the sweep over every score set and selection.

#include "model/RiskModel.h"
#include "tests/sample/ScoreSets.h"

#include <benchmark/benchmark.h>
#include <string_view>

using InmBearb::ComputeSectors;
using InmBearb::FactorScores;

namespace {

const FactorScores Defaults{2, 1, 2, 2, 2, 2, 2, 1, 1, 1};

void BaselineScoreSum(benchmark::State& state) {
    FactorScores s = Defaults;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(s.CE + s.RD + s.DC + s.DF + s.PA + s.MS + s.FP + s.SS + s.BC +
                                 s.CJ);
    }
}
BENCHMARK(BaselineScoreSum);

void ComputeSectorsOnce(benchmark::State& state) {
    FactorScores s = Defaults;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(ComputeSectors(s, 10));
    }
}
BENCHMARK(ComputeSectorsOnce);

void EnterScoreWithRecomputation(benchmark::State& state) {
    InmBearb::RiskModel model;
    model.SetCountryArea(1);
    model.SetGroup(1);
    for (std::uint8_t index = 1; index <= 10; ++index) {
        model.EnterScore(index, "1");
    }
    unsigned step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            model.EnterScore(1, std::string_view("0123").substr(step++ & 3, 1)));
    }
}
BENCHMARK(EnterScoreWithRecomputation);

// Every score set under each of the nine selections; summarize.py divides the
// time by the number of sets.
void ExhaustiveSweep(benchmark::State& state) {
    for (auto _ : state) {
        double sum = 0;
        for (int pair = 0; pair < 9; ++pair) {
            const double adjustment = InmBearb::ChanceAdjustmentFor(1 + pair / 3, 1 + pair % 3);
            ScoreSets::ForEach(
                [&](const FactorScores& s) { sum += ComputeSectors(s, adjustment).Shares.Chance; });
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(ExhaustiveSweep)->Unit(benchmark::kMillisecond);

} // namespace
