// The largest complete list (1..13, advanced rule, both kinds) from the solving to the page on
// disk, next to the bare solver sweep over the same range: what the page adds to the solving.
#include "core/completelisttexts.h"
#include "core/stringtable.h"
#include "core/textfilewriter.h"
#include "engine/completelist.h"
#include "engine/enginestate.h"
#include "engine/question.h"
#include "engine/solver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void SolverSweep(benchmark::State& state) {
    const CEngineSettingsScope settings(13, InterfaceCharset::None);
    std::vector<std::string> saSolutions;
    for (auto _ : state) {
        ForEachQuestion(13, [&](const std::vector<unsigned>& uaQ) {
            FindAllSolutions(uaQ, saSolutions, false);
            benchmark::DoNotOptimize(saSolutions.data());
        });
    }
}

void LargestPage(benchmark::State& state) {
    QFile file(QStringLiteral(TETRALYX_SOURCE_DIR "/data/doc/english/grandlist.htm"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the English template is missing");
        return;
    }
    const std::string strTemplate = file.readAll().toStdString();
    QTemporaryDir folder;
    const QString strPath = QDir(folder.path()).filePath(QStringLiteral("ejhsns.htm"));
    const CompleteListOptions options{false, true, true, true};
    std::size_t nBytes = 0;
    for (auto _ : state) {
        const CompleteListTexts texts = GetCompleteListTexts(options, kColumnEnglish);
        std::string strParagraphs;
        CompleteListCounts counts;
        BuildCompleteList(options, texts.strQ, texts.strA, strParagraphs, counts,
                          [](unsigned, unsigned) { return true; });
        const std::string strPage =
            FillCompleteListTemplate(strTemplate, options, texts, counts, strParagraphs);
        QString strMessage;
        if (WriteTextFile(QByteArray::fromStdString(strPage), strPath, strMessage) !=
            kWriteTextWritten) {
            state.SkipWithError("the page could not be written");
            return;
        }
        nBytes = strPage.size();
    }
    state.counters["page_bytes"] = static_cast<double>(nBytes);
}

BENCHMARK(SolverSweep)
    ->Name("CompleteList/solver sweep/advanced/1..13")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(LargestPage)
    ->Name("CompleteList/page written/advanced/1..13")
    ->Unit(benchmark::kMillisecond);

} // namespace
