// What opening the program costs with a large or damaged collection file: files of any size
// must load without the player waiting on them.
#include "core/collection.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

QByteArray ManyEntries(int nEntries) {
    QByteArray baFile = "[My Favorite]\r\n";
    for (int n = 1; n <= nEntries; ++n)
        baFile += QStringLiteral("fmf %1 = %2 %3 %4 %5,note %1\r\n")
                      .arg(n)
                      .arg(n % 13 + 1)
                      .arg(n / 13 % 13 + 1)
                      .arg(n / 169 % 13 + 1)
                      .arg(n % 7 + 1)
                      .toLatin1();
    return baFile;
}

QByteArray Noise(int nBytes) {
    std::mt19937 random(24);
    QByteArray baNoise(nBytes, '\0');
    for (char& c : baNoise)
        c = static_cast<char>(random() & 0xff);
    return baNoise;
}

void LoadFile(benchmark::State& state, const QByteArray& baFile) {
    QTemporaryDir folder;
    const QString strPath = folder.filePath("cmf.ini");
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(baFile) != baFile.size()) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    for (auto _ : state) {
        Collection list;
        LoadCollection(list, strPath, true);
        benchmark::DoNotOptimize(list.m_items.data());
    }
    state.SetBytesProcessed(state.iterations() * baFile.size());
}

void BM_LoadCollectionEntries(benchmark::State& state) {
    LoadFile(state, ManyEntries(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_LoadCollectionEntries)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_LoadCollectionNoise(benchmark::State& state) {
    LoadFile(state, Noise(10 * 1024 * 1024));
}
BENCHMARK(BM_LoadCollectionNoise)->Unit(benchmark::kMillisecond);

// The largest list there can be: every question of 1..13 once.
void BM_SaveFullCollection(benchmark::State& state) {
    QTemporaryDir folder;
    const QString strPath = folder.filePath("cmf.ini");
    Collection list;
    for (int a = 1; a <= 13; ++a)
        for (int b = a; b <= 13; ++b)
            for (int c = b; c <= 13; ++c)
                for (int d = c; d <= 13; ++d)
                    list.m_items.push_back(
                        {QStringLiteral("%1 %2 %3 %4").arg(a).arg(b).arg(c).arg(d), "a note"});
    for (auto _ : state)
        SaveCollection(list, strPath, true, nullptr);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(list.m_items.size()));
}
BENCHMARK(BM_SaveFullCollection)->Unit(benchmark::kMillisecond);

} // namespace
