// What judging one submitted line costs.
#include "engine/enginestate.h"
#include "engine/kvutilities.h"
#include "engine/userinput.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CheckValidSolution(benchmark::State& state) {
    const CEngineSettingsScope settings;
    SetStandardRule(false);
    SetMaxValue(13);
    const std::vector<unsigned> uaQ = {3, 3, 8, 8};
    for (auto _ : state)
        benchmark::DoNotOptimize(CKVUtilities::CheckValidSolution(uaQ, "8/(3-8/3)"));
}
BENCHMARK(BM_CheckValidSolution);

void BM_PrepareSubmittedLines(benchmark::State& state) {
    const CEngineSettingsScope settings;
    SetInterfaceCharset(InterfaceCharset::GB2312);
    const std::string strText = "4 x (1+2+3)\r\n\xEF\xBC\x94\xC3\x97\xEF\xBC\x88\xEF\xBC\x91\xEF"
                                "\xBC\x8B\xEF\xBC\x92\xEF\xBC\x8B\xEF\xBC\x93\xEF\xBC\x89\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(PrepareSubmittedLines(strText));
}
BENCHMARK(BM_PrepareSubmittedLines);

} // namespace
