// The table tools at their sizes: a symbol database of 10,000 rows opened into the symbol
// database editor (load, model, first paint), and the HTML list of a candidate-order file
// of 1,000 lines; each against reading and decoding the same file (the floor).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "fakedialogs.h"
#include "folders.h"
#include "hexcode.h"
#include "htmllist.h"
#include "platform.h"
#include "settings.h"
#include "textfile.h"
#include "tsymdbfrm.h"

namespace {

bool smoke()
{
    return qEnvironmentVariableIsSet("VELMOR_BENCH_SMOKE");
}

struct Tables
{
    QTemporaryDir dir;
    QString db = dir.filePath(QStringLiteral("DBPhonet.csv"));
    QString cand = dir.filePath(QStringLiteral("CandAll.csv"));
    Tables()
    {
        const int rows = smoke() ? 500 : 10000;
        QStringList lines;
        for (int g = 0; g < 20; ++g)
            lines.append(QStringLiteral("Group,%1,\"グループ %1\"").arg(g));
        for (int i = 0; i < rows; ++i)
            lines.append(QStringLiteral("%1,\"%2\",\"LATIN SMALL LETTER %3\",\"記号 %3\",\"0\",\"%4\"")
                             .arg(i * 20 / rows)
                             .arg(CodeText(char16_t(0x0100 + i)))
                             .arg(i)
                             .arg(i % 50 == 0 ? QStringLiteral("注意") : QStringLiteral("note")));
        WriteAnsiFile(db, lines);
        QStringList cands;
        const int count = smoke() ? 100 : 1000;
        for (int i = 0; i < count; ++i) {
            QString line = u'"' + QString(QChar(0x0100 + i)) + u'"';
            for (int n = 0; n < 9; ++n)
                line += QStringLiteral(",\"%1\"").arg(n < 6 ? CodeText(char16_t(0x0250 + i % 90 + n)) : QString());
            cands.append(line);
        }
        WriteAnsiFile(cand, cands);
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

void BM_OpenSymbolDatabaseEditor(benchmark::State &state)
{
    const Tables &t = tables();
    Settings settings;
    AppFolders folders;
    folders.TableFolder = folders.UserTableFolder = t.dir.path();
    FakeDialogs dialogs;
    Platform platform;
    platform.dialogs = &dialogs;
    for (auto _ : state) {
        WindowRect bounds;
        TSymDBFrm editor(settings, folders, platform, bounds);
        const QPixmap first = editor.grab();
        benchmark::DoNotOptimize(first.cacheKey());
        state.PauseTiming();
        if (!dialogs.shown.isEmpty())
            state.SkipWithError("the database did not load cleanly");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSymbolDatabaseEditor)->Unit(benchmark::kMillisecond);

void BM_ReadSymbolDatabaseFloor(benchmark::State &state)
{
    for (auto _ : state) {
        const TextReadResult read = ReadTextFile(tables().db, TextFileKind::Table);
        benchmark::DoNotOptimize(read.lines.size());
    }
}
BENCHMARK(BM_ReadSymbolDatabaseFloor)->Unit(benchmark::kMillisecond);

void BM_HtmlListPage(benchmark::State &state)
{
    HtmlListOptions options{QStringLiteral("発音記号　候補順ファイル"), QStringLiteral("Segoe UI"),
                            QStringLiteral("160"), QStringLiteral("CandAll.csv")};
    for (auto _ : state) {
        const TextReadResult read = ReadTextFile(tables().cand, TextFileKind::Table);
        const QStringList page = HtmlListPage(options, read.lines);
        const QByteArray bytes = HtmlListBytes(page);
        benchmark::DoNotOptimize(bytes.size());
    }
}
BENCHMARK(BM_HtmlListPage)->Unit(benchmark::kMillisecond);

void BM_ReadCandidateFileFloor(benchmark::State &state)
{
    for (auto _ : state) {
        const TextReadResult read = ReadTextFile(tables().cand, TextFileKind::Table);
        benchmark::DoNotOptimize(read.lines.size());
    }
}
BENCHMARK(BM_ReadCandidateFileFloor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
