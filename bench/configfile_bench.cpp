// What rewriting and reading back a whole collection file costs: every change to a
// collection clears the document and writes each entry again.
#include "core/configfile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_RewriteCollection(benchmark::State& state) {
    QTemporaryDir folder;
    const QString strPath = folder.filePath("cmf.ini");
    const int nEntries = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CConfigFile config;
        for (int i = 1; i <= nEntries; ++i)
            config.WriteString("My Favorite", QStringLiteral("fmf %1").arg(i),
                               QStringLiteral("1 2 3 4,a note\r\nwith two lines"));
        config.Save(strPath);
    }
    state.SetItemsProcessed(state.iterations() * nEntries);
}
BENCHMARK(BM_RewriteCollection)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_LoadAndReadCollection(benchmark::State& state) {
    QTemporaryDir folder;
    const QString strPath = folder.filePath("cmf.ini");
    const int nEntries = static_cast<int>(state.range(0));
    CConfigFile written;
    for (int i = 1; i <= nEntries; ++i)
        written.WriteString("My Favorite", QStringLiteral("fmf %1").arg(i),
                            QStringLiteral("1 2 3 4,a note"));
    written.Save(strPath);
    for (auto _ : state) {
        CConfigFile config;
        config.Load(strPath);
        QString strValue;
        for (int i = 1; i <= nEntries; ++i)
            config.ReadString("My Favorite", QStringLiteral("fmf %1").arg(i), QString(), strValue);
        benchmark::DoNotOptimize(strValue);
    }
    state.SetItemsProcessed(state.iterations() * nEntries);
}
BENCHMARK(BM_LoadAndReadCollection)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
