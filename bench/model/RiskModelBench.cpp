// Cost of the risk model: one accepted keystroke (EnterScore with a full
// recomputation) and the whole sweep over every score set and selection.
// The baseline sums the ten scores, the least any keystroke could cost.

#include "model/RiskModel.h"
#include "model/SectorComputation.h"
#include "tests/sample/ScoreSets.h"

#include <benchmark/benchmark.h>

using InmBearb::ChanceAdjustmentFor;
using InmBearb::ComputeSectors;
using InmBearb::FactorScores;
using InmBearb::RiskModel;

namespace {

void BaselineScoreSum(benchmark::State& state) {
    FactorScores scores{2, 1, 2, 2, 2, 2, 2, 1, 1, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(scores);
        const double sum = scores.CE + scores.RD + scores.DC + scores.DF + scores.PA + scores.MS +
                           scores.FP + scores.SS + scores.BC + scores.CJ;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BaselineScoreSum);

void ComputeSectorsOnce(benchmark::State& state) {
    FactorScores scores{2, 1, 2, 2, 2, 2, 2, 1, 1, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(scores);
        benchmark::DoNotOptimize(ComputeSectors(scores, 10));
    }
}
BENCHMARK(ComputeSectorsOnce);

void EnterScoreWithRecomputation(benchmark::State& state) {
    RiskModel model;
    model.SetCountryArea(1);
    model.SetGroup(1);
    for (std::uint8_t index = 1; index <= 10; ++index) {
        model.EnterScore(index, "1");
    }
    const char* const digits[] = {"0", "1", "2", "3"};
    unsigned step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.EnterScore(1, digits[step++ & 3]));
    }
}
BENCHMARK(EnterScoreWithRecomputation);

void ExhaustiveSweep(benchmark::State& state) {
    for (auto _ : state) {
        double sum = 0;
        for (std::uint8_t countryArea = 1; countryArea <= 3; ++countryArea) {
            for (std::uint8_t group = 1; group <= 3; ++group) {
                const double adjustment = ChanceAdjustmentFor(countryArea, group);
                ScoreSets::ForEach([&](const FactorScores& scores) {
                    sum += ComputeSectors(scores, adjustment).Shares.Chance;
                });
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 9 * ScoreSets::Count);
}
BENCHMARK(ExhaustiveSweep)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
