// What a damaged registry.ini costs: the first read filters the whole file once; later
// reads (each language switch reads the store) only look whether the file changed.
#include "core/registrystore.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

const QString kBaseKey = QStringLiteral("software\\Korvane\\Tetralyx\\1.3");

// One good value among random bytes of the given size.
QString WriteDamagedStore(const QTemporaryDir& folder, qsizetype nBytes) {
    const QString strPath = folder.filePath("registry.ini");
    {
        CRegistryStore store(strPath, kBaseKey);
        store.WriteNumber("Shell", "LCID", 2052);
    }
    QFile file(strPath);
    file.open(QIODevice::Append);
    std::mt19937 random(7);
    QByteArray baGarbage(nBytes, Qt::Uninitialized);
    for (char& c : baGarbage)
        c = static_cast<char>(random() & 0xFF);
    file.write(baGarbage);
    return strPath;
}

void BM_FirstReadOfADamagedStore(benchmark::State& state) {
    QTemporaryDir folder;
    const QString strPath = WriteDamagedStore(folder, state.range(0) << 20);
    for (auto _ : state) {
        CRegistryStore store(strPath, kBaseKey);
        benchmark::DoNotOptimize(store.ReadNumber("Shell", "LCID", 0));
    }
    state.SetBytesProcessed(state.iterations() * (state.range(0) << 20));
}
BENCHMARK(BM_FirstReadOfADamagedStore)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_LaterReadOfADamagedStore(benchmark::State& state) {
    QTemporaryDir folder;
    const QString strPath = WriteDamagedStore(folder, state.range(0) << 20);
    CRegistryStore store(strPath, kBaseKey);
    store.ReadNumber("Shell", "LCID", 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.ReadNumber("Shell", "LCID", 0));
}
BENCHMARK(BM_LaterReadOfADamagedStore)->Arg(50)->Unit(benchmark::kMicrosecond);

// One value written into a store holding as many others as a long-used one does; the write
// goes through scratch copies and syncs the file, so the disk shows here.
void BM_WriteIntoAStoreOf(benchmark::State& state) {
    QTemporaryDir folder;
    CRegistryStore store(folder.filePath("registry.ini"), kBaseKey);
    for (int n = 0; n < state.range(0); ++n)
        store.WriteText("Rank", QString::number(n), QStringLiteral("player %1").arg(n));
    int nValue = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.WriteNumber("Game", "Count", ++nValue));
}
BENCHMARK(BM_WriteIntoAStoreOf)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
