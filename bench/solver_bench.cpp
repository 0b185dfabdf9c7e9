// What the solver costs: single questions under both rules, and the whole value range as the
// complete list of all solutions asks for it. The text path is measured beside the compiled
// one because the compiled path exists only to beat it.
#include "engine/enginestate.h"
#include "engine/solver.h"

#include <benchmark/benchmark.h>

namespace {

void SolveOne(benchmark::State& state, std::vector<unsigned> uaQ, bool bStandard,
              SolverPath path) {
    SetMaxValue(13);
    std::vector<std::string> saSolutions;
    for (auto _ : state) {
        FindAllSolutions(uaQ, saSolutions, bStandard, path);
        benchmark::DoNotOptimize(saSolutions.data());
    }
    state.counters["solutions"] = static_cast<double>(saSolutions.size());
    SetStandardRule(true);
}

void SolveRange(benchmark::State& state, bool bStandard, SolverPath path) {
    SetMaxValue(13);
    std::vector<std::string> saSolutions;
    size_t nTotal = 0;
    for (auto _ : state) {
        nTotal = 0;
        for (unsigned a = 1; a <= 13; ++a)
            for (unsigned b = a; b <= 13; ++b)
                for (unsigned c = b; c <= 13; ++c)
                    for (unsigned d = c; d <= 13; ++d) {
                        FindAllSolutions({a, b, c, d}, saSolutions, bStandard, path);
                        nTotal += saSolutions.size();
                    }
        benchmark::DoNotOptimize(nTotal);
    }
    state.counters["solutions"] = static_cast<double>(nTotal);
    SetStandardRule(true);
}

#define SOLVER_CASES(path, pathName)                                                               \
    BENCHMARK_CAPTURE(SolveOne, pathName/standard/1 1 1 1, {1, 1, 1, 1}, true, path);              \
    BENCHMARK_CAPTURE(SolveOne, pathName/standard/3 3 8 8, {3, 3, 8, 8}, true, path);              \
    BENCHMARK_CAPTURE(SolveOne, pathName/standard/1 2 3 4, {1, 2, 3, 4}, true, path);              \
    BENCHMARK_CAPTURE(SolveOne, pathName/standard/6 6 6 6, {6, 6, 6, 6}, true, path);              \
    BENCHMARK_CAPTURE(SolveOne, pathName/standard/12 12 13 13, {12, 12, 13, 13}, true, path);      \
    BENCHMARK_CAPTURE(SolveOne, pathName/advanced/1 1 1 1, {1, 1, 1, 1}, false, path);             \
    BENCHMARK_CAPTURE(SolveOne, pathName/advanced/3 3 8 8, {3, 3, 8, 8}, false, path);             \
    BENCHMARK_CAPTURE(SolveOne, pathName/advanced/1 2 3 4, {1, 2, 3, 4}, false, path);             \
    BENCHMARK_CAPTURE(SolveOne, pathName/advanced/6 6 6 6, {6, 6, 6, 6}, false, path);             \
    BENCHMARK_CAPTURE(SolveOne, pathName/advanced/12 12 13 13, {12, 12, 13, 13}, false, path);     \
    BENCHMARK_CAPTURE(SolveRange, pathName/advanced/1..13, false, path)->Unit(benchmark::kMillisecond)

SOLVER_CASES(SolverPath::Compiled, compiled);
SOLVER_CASES(SolverPath::Text, text);
BENCHMARK_CAPTURE(SolveRange, compiled/standard/1..13, true, SolverPath::Compiled)
    ->Unit(benchmark::kMillisecond);

} // namespace
