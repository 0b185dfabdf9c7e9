// What the solver costs: single questions under both rules, and the whole value range as the
// complete list of all solutions asks for it. The text path is measured beside the compiled
// one because the compiled path exists only to beat it.
#include "engine/enginestate.h"
#include "engine/question.h"
#include "engine/solver.h"

#include <benchmark/benchmark.h>

namespace {

void SolveOne(benchmark::State& state, std::vector<unsigned> uaQ, bool bStandard, SolverPath path) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    std::vector<std::string> saSolutions;
    for (auto _ : state) {
        FindAllSolutions(uaQ, saSolutions, bStandard, path);
        benchmark::DoNotOptimize(saSolutions.data());
    }
    state.counters["solutions"] = static_cast<double>(saSolutions.size());
}

void SolveRange(benchmark::State& state, bool bStandard, SolverPath path) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    std::vector<std::string> saSolutions;
    size_t nTotal = 0;
    for (auto _ : state) {
        nTotal = 0;
        ForEachQuestion(13, [&](const std::vector<unsigned>& uaQ) {
            FindAllSolutions(uaQ, saSolutions, bStandard, path);
            nTotal += saSolutions.size();
        });
        benchmark::DoNotOptimize(nTotal);
    }
    state.counters["solutions"] = static_cast<double>(nTotal);
}

const std::vector<std::vector<unsigned>> kQuestions = {
    {1, 1, 1, 1}, {3, 3, 8, 8}, {1, 2, 3, 4}, {6, 6, 6, 6}, {12, 12, 13, 13}};

// Names such as FindAllSolutions/compiled/advanced/3 3 8 8, and .../1..13 for every
// question of the range.
const bool kRegistered = [] {
    for (SolverPath path : {SolverPath::Compiled, SolverPath::Text}) {
        const std::string strPath = path == SolverPath::Compiled ? "compiled" : "text";
        for (bool bStandard : {true, false}) {
            const std::string strRule = bStandard ? "standard" : "advanced";
            for (const std::vector<unsigned>& uaQ : kQuestions) {
                const std::string strName =
                    "FindAllSolutions/" + strPath + "/" + strRule + "/" + FormatQuestionText(uaQ);
                benchmark::RegisterBenchmark(strName.c_str(), SolveOne, uaQ, bStandard, path);
            }
        }
        benchmark::RegisterBenchmark(("FindAllSolutions/" + strPath + "/advanced/1..13").c_str(),
                                     SolveRange, false, path)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("FindAllSolutions/compiled/standard/1..13", SolveRange, true,
                                 SolverPath::Compiled)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
