// Reading and accumulating a folder of answer files, as the group evaluation does.
#include "accumulate.h"
#include "answerfile.h"
#include "groupscan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// One folder per size, written once and reused by every run.
const QTemporaryDir& folderWith(int files) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto& folder = folders[files];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        for (int i = 0; i < files; ++i) {
            AnswerRecord record;
            for (int n = 1; n <= kQuestionCount; ++n)
                record.code(n) = (i + n) % 6 - 1;
            QFile file(
                folder->filePath(QStringLiteral("antwort%1.dat").arg(i, 5, 10, QLatin1Char('0'))));
            if (file.open(QIODevice::WriteOnly))
                file.write(reinterpret_cast<const char*>(&record), sizeof record);
        }
    }
    return *folder;
}

void BM_ReadAndAccumulateFolder(benchmark::State& state) {
    const int files = int(state.range(0));
    const QTemporaryDir& folder = folderWith(files);
    for (auto _ : state) {
        GroupScores scores;
        QuestionAnsweredTable answered;
        const QStringList names = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
        for (const QString& name : names) {
            AnswerRecord record;
            if (ReadAnswerRecord(folder.filePath(name), record))
                AccumulateRecord(record, scores, answered);
        }
        benchmark::DoNotOptimize(scores);
    }
    state.SetItemsProcessed(state.iterations() * files);
}
BENCHMARK(BM_ReadAndAccumulateFolder)->Arg(255)->Arg(10000)->Unit(benchmark::kMillisecond);

// The group evaluation's whole scan: listing, name filter, reading, accumulating and summing.
void BM_GroupScan(benchmark::State& state) {
    const int files = int(state.range(0));
    const QTemporaryDir& folder = folderWith(files);
    for (auto _ : state) {
        GroupScanResult result = ScanGroupFolder(folder.path());
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * files);
}
BENCHMARK(BM_GroupScan)->Arg(255)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_AccumulateRecord(benchmark::State& state) {
    AnswerRecord record;
    record.answers.fill(3);
    GroupScores scores;
    QuestionAnsweredTable answered;
    for (auto _ : state) {
        AccumulateRecord(record, scores, answered);
        benchmark::DoNotOptimize(scores);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AccumulateRecord);

} // namespace

BENCHMARK_MAIN();
