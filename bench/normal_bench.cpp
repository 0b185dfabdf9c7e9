// What reducing one answer to its keys costs; the solver does it for every candidate that
// multiplies by 1.
#include "engine/kvutilities.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const char* const kAnswers[] = {
    "8/(3-8/3)",   // canonical, no sort type
    "(2+1)*(5+3)", // canonical, pairs swapped
    "((6*5)-6)/1", // mapped, then similar by a division by 1
    "1*(8+4*4)",   // the solver's redundancy test
    "8+1*4*4",     // a 1 moved to the front
    "(1-5)^2+8",   // mapped, then a squared group turned round
    "n4",          // unreadable
    "8+(2*-2)^2",  // no target: stays as written
};

void BM_GetNormalAnswer(benchmark::State& state) {
    const std::string strAnswer = kAnswers[state.range(0)];
    std::vector<unsigned> uaQ;
    for (auto _ : state) {
        std::string strSubNA;
        benchmark::DoNotOptimize(CKVUtilities::GetNormalAnswer(uaQ, strSubNA, strAnswer));
    }
    state.SetLabel(strAnswer);
}
BENCHMARK(BM_GetNormalAnswer)->DenseRange(0, sizeof kAnswers / sizeof *kAnswers - 1);

// All of them in turn: the figure to compare across changes.
void BM_GetNormalAnswerMix(benchmark::State& state) {
    std::vector<unsigned> uaQ;
    for (auto _ : state) {
        for (const char* szAnswer : kAnswers) {
            std::string strSubNA;
            benchmark::DoNotOptimize(CKVUtilities::GetNormalAnswer(uaQ, strSubNA, szAnswer));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(std::size(kAnswers)));
}
BENCHMARK(BM_GetNormalAnswerMix);

} // namespace
